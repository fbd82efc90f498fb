// Database files of any content read as the wtmpdb System log. SQLite refuses
// or reads them; the events must come newest first in the order of a second,
// and, for a database SQLite finds sound, be the ones its rows give.
#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "bootlog/reconstruct.h"
#include "bootlog/tests/read_events.h"
#include "fuzz/check.h"
#include "fuzz/input_file.h"
#include "platform/linux/wtmpdb_source.h"

namespace {

// At one second: a stop, then the logins, then a start.
int Rank(int code) {
  return code == kEventLogStopped ? 0 : code == kServiceControl ? 1 : 2;
}

bool Sound(sqlite3* db) {
  sqlite3_stmt* check = nullptr;
  bool ok = sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK &&
            sqlite3_step(check) == SQLITE_ROW &&
            std::string(reinterpret_cast<const char*>(sqlite3_column_text(check, 0))) == "ok";
  sqlite3_finalize(check);
  return ok;
}

bool SoundFile(const std::string& path) {
  sqlite3* db = nullptr;
  const bool sound =
      sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK && Sound(db);
  sqlite3_close(db);
  return sound;
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
  auto at = [&](int column, int code, const char* user) {
    if (sqlite3_column_type(rows, column) != SQLITE_INTEGER) {
      return;
    }
    const int64_t us = sqlite3_column_int64(rows, column);
    if (us >= 0 && us / 1000000 <= UINT32_MAX) {
      events.push_back({code, static_cast<uint32_t>(us / 1000000),
                        user != nullptr && *user != '\0' ? user : kUnknownUserName});
    }
  };
  int rc = SQLITE_ROW;
  while ((rc = sqlite3_step(rows)) == SQLITE_ROW) {
    if (sqlite3_column_int(rows, 0) != 0) {
      at(3, kEventLogStarted, nullptr);
      at(4, kEventLogStopped, nullptr);
    }
    if (sqlite3_column_int(rows, 1) != 0) {
      at(3, kServiceControl, reinterpret_cast<const char*>(sqlite3_column_text(rows, 2)));
    }
  }
  sqlite3_finalize(rows);
  return rc == SQLITE_DONE;
}

// Newest first; rows of one kind at one second in any order.
void Sort(std::vector<TSeenEvent>& events) {
  std::sort(events.begin(), events.end(), [](const TSeenEvent& a, const TSeenEvent& b) {
    return std::make_tuple(b.Time, Rank(a.Code), a.User) <
           std::make_tuple(a.Time, Rank(b.Code), b.User);
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzInputFile file("wtmp.db");
  const std::string& path = file.Write(data, size);

  WtmpdbEventSource source(path);
  const bool opened = source.OpenSystemLog();
  // SQLite does not always fail the same way twice on a damaged file, so only
  // a database it finds sound must get the same answer from both.
  if (opened != WtmpdbEventSource::Problem(path).empty()) {
    FuzzCheck(!SoundFile(path), "the open and the tools' check disagree");
  }
  const std::vector<TSeenEvent> events = ReadEvents(source);
  for (size_t i = 0; i < events.size(); ++i) {
    const int code = events[i].Code;
    FuzzCheck(code == kEventLogStarted || code == kEventLogStopped || code == kServiceControl,
              "an event of another code");
    FuzzCheck(i == 0 || events[i - 1].Time > events[i].Time ||
                  (events[i - 1].Time == events[i].Time && Rank(events[i - 1].Code) <= Rank(code)),
              "events not newest first, a stop before a login before a start");
  }

  // Only a database the source took is read here: what it refuses may not end.
  std::vector<TSeenEvent> fromRows;
  sqlite3* db = nullptr;
  if (opened && sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
      Sound(db) && EventsOfRows(db, fromRows)) {
    std::vector<TSeenEvent> sorted = events;
    Sort(sorted);
    Sort(fromRows);
    FuzzCheck(sorted == fromRows, "the events are not the ones the rows give");
  }
  sqlite3_close(db);

  // The refresh reads it as the System log.
  TBootTable table;
  ReadBootEvents(source, RegionalFormats{}, table);
  return 0;
}
