#include "platform/linux/wtmpdb_source.h"

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>

namespace {

using TKind = TSessionEvent::TKind;
static_assert(int(TKind::Boot) == 0 && int(TKind::Shutdown) == 1 && int(TKind::Logon) == 2);

// Type 1 is a boot (its logout the shutdown, NULL while running or after a
// crash), type 3 a login; the kinds are those of TSessionEvent::TKind. Times are microseconds since
// 1970; rows whose time is not a whole number in the 32-bit range of event times are passed over.
constexpr const char* kEvents = R"(
  SELECT t, kind, name FROM (
    SELECT Login / 1000000 AS t, 0 AS kind, 2 AS rank, NULL AS name, ID, Login AS us
      FROM wtmp WHERE Type = 1
    UNION ALL
    SELECT Logout / 1000000, 1, 0, NULL, ID, Logout FROM wtmp WHERE Type = 1
    UNION ALL
    SELECT Login / 1000000, 2, 1, User, ID, Login FROM wtmp WHERE Type = 3)
  WHERE typeof(us) = 'integer' AND us >= 0 AND t <= 4294967295
  ORDER BY t DESC, rank, ID DESC)";

// Reading a view or a computed column runs what the file says (a recursive
// view never ends); only stored rows are read, in time proportional to the file.
constexpr const char* kStoredRows = R"(
  SELECT EXISTS (SELECT 1 FROM main.sqlite_schema WHERE type = 'table'
                   AND name = 'wtmp' COLLATE NOCASE AND sql NOT LIKE 'CREATE VIRTUAL%')
     AND NOT EXISTS (SELECT 1 FROM pragma_table_xinfo('wtmp', 'main') WHERE hidden <> 0))";

bool HoldsStoredRows(sqlite3* db) {
  sqlite3_stmt* check = nullptr;
  const bool stored = sqlite3_prepare_v2(db, kStoredRows, -1, &check, nullptr) == SQLITE_OK &&
                      sqlite3_step(check) == SQLITE_ROW && sqlite3_column_int(check, 0) == 1;
  sqlite3_finalize(check);
  return stored;
}

}  // namespace

WtmpdbEventSource::~WtmpdbEventSource() {
  Close();
}

void WtmpdbEventSource::Close() {
  sqlite3_finalize(rows_);
  rows_ = nullptr;
  sqlite3_close(db_);
  db_ = nullptr;
  rowWaiting_ = false;
}

bool WtmpdbEventSource::Start(size_t file, std::string& problem) {
  Close();
  file_ = file;
  const std::string& path = files_[file];
  std::error_code error;
  const auto type = std::filesystem::status(path, error).type();
  if (type != std::filesystem::file_type::regular &&
      type != std::filesystem::file_type::not_found) {
    problem = path + ": not a file";  // a pipe or device may never answer
    return false;
  }
  if (type == std::filesystem::file_type::regular && std::filesystem::file_size(path, error) == 0 &&
      !error) {
    return true;  // no rows yet
  }
  int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr);
  if (rc == SQLITE_OK) {
    rc = sqlite3_prepare_v2(db_, kEvents, -1, &rows_, nullptr);
  }
  if (rc == SQLITE_OK && !HoldsStoredRows(db_)) {
    problem = path + ": wtmp is not a table of stored rows";
    Close();
    return false;
  }
  if (rc == SQLITE_OK) {
    // The first step sorts every row: damage and locks show here.
    rc = sqlite3_step(rows_);
    rowWaiting_ = rc == SQLITE_ROW;
  }
  if (rc == SQLITE_ROW || rc == SQLITE_DONE) {
    return true;
  }
  problem = path + ": " + (db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
  Close();
  return false;
}

std::vector<std::string> WtmpdbEventSource::Rotated(const std::string& path) {
  std::error_code error;
  if (std::filesystem::exists(path + ".1", error)) {
    return {path, path + ".1"};
  }
  return {path};
}

std::string WtmpdbEventSource::Problem(const std::vector<std::string>& files) {
  WtmpdbEventSource source(files);
  std::string problem;
  for (size_t i = 0; i < files.size() && problem.empty(); ++i) {
    std::error_code error;
    if (i == 0 || std::filesystem::exists(files[i], error)) {
      source.Start(i, problem);
    }
  }
  return problem;
}

bool WtmpdbEventSource::Open() {
  std::string ignored;
  if (files_.empty() || !Start(0, ignored)) {
    file_ = files_.size();
    return false;
  }
  return true;
}

bool WtmpdbEventSource::Next(TSessionEvent& event) {
  while (!rowWaiting_) {
    const int rc = rows_ ? sqlite3_step(rows_) : SQLITE_DONE;
    if (rc == SQLITE_ROW) {
      break;
    }
    Close();
    size_t next = file_ + 1;
    std::error_code error;
    while (next < files_.size() && !std::filesystem::exists(files_[next], error)) {
      ++next;
    }
    std::string ignored;
    // A read error ends the log, as does an older file that cannot be opened.
    if (rc != SQLITE_DONE || next >= files_.size() || !Start(next, ignored)) {
      file_ = files_.size();
      return false;
    }
  }
  rowWaiting_ = false;
  event.Utc = static_cast<uint32_t>(sqlite3_column_int64(rows_, 0));
  event.Kind = static_cast<TKind>(sqlite3_column_int(rows_, 1));
  const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(rows_, 2));
  if (event.Kind != TKind::Logon) {
    event.User.clear();
  } else if (name != nullptr && *name != '\0') {
    event.User = name;
  } else {
    event.User = kUnknownUserName;
  }
  return true;
}
