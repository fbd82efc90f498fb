// Database files of any content read as a wtmpdb log, a database
// followed by its rotated wtmp.db.1. SQLite refuses or reads them; the events
// of each file must come newest first in the order of a second and, for
// databases SQLite finds sound, be the ones their rows give.
//
// An input holding the SQLite header again further on is the pair of files,
// split there; a first part of "-" is the empty file logrotate leaves.
#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "bootlog/reconstruct.h"
#include "bootlog/tests/read_events.h"
#include "fuzz/check.h"
#include "fuzz/input_file.h"
#include "platform/linux/wtmpdb_source.h"

namespace {

using TKind = TSessionEvent::TKind;

// At one second: a shutdown, then the logins, then a boot.
int Rank(TKind kind) {
  return kind == TKind::Shutdown ? 0 : kind == TKind::Logon ? 1 : 2;
}

bool Sound(sqlite3* db) {
  sqlite3_stmt* check = nullptr;
  bool ok = sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK &&
            sqlite3_step(check) == SQLITE_ROW &&
            std::string(reinterpret_cast<const char*>(sqlite3_column_text(check, 0))) == "ok";
  sqlite3_finalize(check);
  return ok;
}

// The events the rows give, worked out row by row here (SQLite only compares
// the types, as it would in the source's own query); false when the table
// cannot be read so.
bool EventsOfRows(sqlite3* db, std::vector<TSeenEvent>& events) {
  sqlite3_stmt* rows = nullptr;
  if (sqlite3_prepare_v2(db, "SELECT Type = 1, Type = 3, User, Login, Logout, ID FROM wtmp", -1,
                         &rows, nullptr) != SQLITE_OK) {
    return false;
  }
  auto at = [&](int column, TKind kind, const char* user) {
    if (sqlite3_column_type(rows, column) != SQLITE_INTEGER) {
      return;
    }
    const int64_t us = sqlite3_column_int64(rows, column);
    if (us >= 0 && us / 1000000 <= UINT32_MAX) {
      const bool named = user != nullptr && *user != '\0';
      events.push_back({kind, static_cast<uint32_t>(us / 1000000),
                        kind != TKind::Logon ? ""
                        : named              ? user
                                             : kUnknownUserName});
    }
  };
  int rc = SQLITE_ROW;
  while ((rc = sqlite3_step(rows)) == SQLITE_ROW) {
    if (sqlite3_column_int(rows, 0) != 0) {
      at(3, TKind::Boot, nullptr);
      at(4, TKind::Shutdown, nullptr);
    }
    if (sqlite3_column_int(rows, 1) != 0) {
      at(3, TKind::Logon, reinterpret_cast<const char*>(sqlite3_column_text(rows, 2)));
    }
  }
  sqlite3_finalize(rows);
  return rc == SQLITE_DONE;
}

// Newest first; rows of one kind at one second in any order.
void Sort(std::vector<TSeenEvent>& events) {
  std::sort(events.begin(), events.end(), [](const TSeenEvent& a, const TSeenEvent& b) {
    return std::make_tuple(b.Time, Rank(a.Kind), a.User) <
           std::make_tuple(a.Time, Rank(b.Kind), b.User);
  });
}

// The events of one file as the source should give them; false when they
// cannot be known (the file is damaged, or no wtmpdb database).
bool ExpectedEvents(const std::string& path, std::vector<TSeenEvent>& events) {
  if (std::filesystem::file_size(path) == 0) {
    return true;
  }
  sqlite3* db = nullptr;
  const bool known =
      sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK && Sound(db) &&
      EventsOfRows(db, events);
  sqlite3_close(db);
  Sort(events);
  return known;
}

// Each file's events newest first, a stop before a login before a start.
void CheckOrder(const std::vector<TSeenEvent>& events) {
  for (size_t i = 0; i < events.size(); ++i) {
    const TKind kind = events[i].Kind;
    FuzzCheck(kind != TKind::Asleep, "an asleep period in login records");
    FuzzCheck(i == 0 || events[i - 1].Time > events[i].Time ||
                  (events[i - 1].Time == events[i].Time && Rank(events[i - 1].Kind) <= Rank(kind)),
              "events not newest first, a shutdown before a login before a boot");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzInputFile file("wtmp.db");
  static const char kMagic[] = "SQLite format 3";  // with its NUL: 16 bytes
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.size() > 1 ? input.rfind(std::string(kMagic, sizeof kMagic)) : 0;
  const bool pair = split != std::string::npos && split > 0;
  const std::string newest = !pair                           ? input
                             : input.substr(0, split) == "-" ? ""
                                                             : input.substr(0, split);
  const std::string& path =
      file.Write(reinterpret_cast<const uint8_t*>(newest.data()), newest.size());
  const std::string older = path + ".1";
  std::error_code ignored;
  std::filesystem::remove(older, ignored);
  if (pair) {
    FILE* f = std::fopen(older.c_str(), "wb");
    FuzzCheck(f != nullptr &&
                  std::fwrite(input.data() + split, 1, size - split, f) == size - split &&
                  std::fclose(f) == 0,
              "cannot write the rotated file");
  }
  const std::vector<std::string> files = WtmpdbEventSource::Rotated(path);
  FuzzCheck(files.size() == (pair ? 2u : 1u), "the rotated file is not found");

  WtmpdbEventSource source(files);
  const bool opened = source.Open();
  const std::vector<TSeenEvent> events = ReadEvents(source);

  // Only databases the source took are read here: what it refuses may not end.
  std::vector<TSeenEvent> first, second;
  const bool firstKnown = opened && ExpectedEvents(path, first);
  if (firstKnown) {
    // SQLite does not always fail the same way twice on a damaged file, so
    // only sound databases must get the same answer from the tools' check.
    const bool secondKnown =
        pair && WtmpdbEventSource::Problem(older).empty() && ExpectedEvents(older, second);
    if (!pair || secondKnown) {
      FuzzCheck(WtmpdbEventSource::Problem(files).empty(),
                "the open and the tools' check disagree");
    }
    FuzzCheck(events.size() >= first.size(), "events of the newest file are missing");
    std::vector<TSeenEvent> newestEvents(events.begin(), events.begin() + first.size());
    std::vector<TSeenEvent> olderEvents(events.begin() + first.size(), events.end());
    CheckOrder(newestEvents);
    CheckOrder(olderEvents);
    Sort(newestEvents);
    FuzzCheck(newestEvents == first, "the events are not the ones the newest file's rows give");
    if (secondKnown) {
      Sort(olderEvents);
      FuzzCheck(olderEvents == second, "the events are not the ones the rotated file's rows give");
    }
  } else if (!opened) {
    FuzzCheck(events.empty(), "events of a log that did not open");
  }

  // The refresh reads it as this computer's log.
  TBootTable table;
  ReadBootEvents(source, RegionalFormats{}, table);
  return 0;
}
