#pragma once

#include <string>

#include "bootlog/event_source.h"

struct sqlite3;
struct sqlite3_stmt;

// The wtmpdb database (SQLite), where current systems keep their boot and login
// records, standing in for the System log: a boot row is a 6005 at its login
// time and, when the system went down cleanly, a 6006 at its logout time; a
// login row is a 7035 carrying the user. Whole seconds, newest first, and at
// an equal second a stop before a login before a start.
class WtmpdbEventSource : public NamedEventSource {
 public:
  explicit WtmpdbEventSource(std::string path) : path_(std::move(path)) {}
  ~WtmpdbEventSource() override;
  WtmpdbEventSource(const WtmpdbEventSource&) = delete;
  WtmpdbEventSource& operator=(const WtmpdbEventSource&) = delete;

  // Empty when the file opens as a wtmpdb database, else why not, naming it.
  static std::string Problem(const std::string& path);

  // Read-only and without waiting: a locked, missing or damaged database
  // cannot be opened.
  bool OpenSystemLog() override;
  bool ReadNextEvent(TLogEvent& event) override;

 private:
  bool Start(std::string& problem);
  void Close();

  std::string path_;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* rows_ = nullptr;
  bool rowWaiting_ = false;  // the first row, stepped to by the open
};
