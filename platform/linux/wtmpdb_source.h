#pragma once

#include <string>
#include <vector>

#include "bootlog/event_source.h"

struct sqlite3;
struct sqlite3_stmt;

// The wtmpdb database (SQLite), where current systems keep their boot and login
// records, standing in for the System log: a boot row is a 6005 at its login
// time and, when the system went down cleanly, a 6006 at its logout time; a
// login row is a 7035 carrying the user. Whole seconds, newest first, and at
// an equal second a stop before a login before a start.
//
// Given newest first (the database, then what logrotate renamed it to), the
// files are read as one log. An empty file is an empty database: logrotate
// leaves one in place of the renamed file until wtmpdb writes to it.
class WtmpdbEventSource : public NamedEventSource {
 public:
  explicit WtmpdbEventSource(std::string path) : files_{std::move(path)} {}
  explicit WtmpdbEventSource(std::vector<std::string> files) : files_(std::move(files)) {}
  ~WtmpdbEventSource() override;
  WtmpdbEventSource(const WtmpdbEventSource&) = delete;
  WtmpdbEventSource& operator=(const WtmpdbEventSource&) = delete;

  // `path`, then `path`.1 where it exists.
  static std::vector<std::string> Rotated(const std::string& path);

  // Empty when every file there is opens as a wtmpdb database (only the first
  // must be there), else why not, naming the file.
  static std::string Problem(const std::vector<std::string>& files);
  static std::string Problem(const std::string& path) { return Problem(std::vector{path}); }

  // Read-only and without waiting: a locked, missing or damaged first file
  // cannot be opened. An older file that cannot be opened ends the log, as a
  // read error does.
  bool OpenSystemLog() override;
  bool ReadNextEvent(TLogEvent& event) override;

 private:
  bool Start(size_t file, std::string& problem);
  void Close();

  std::vector<std::string> files_;
  size_t file_ = files_.size();  // past the end until opened
  sqlite3* db_ = nullptr;
  sqlite3_stmt* rows_ = nullptr;
  bool rowWaiting_ = false;  // the first row, stepped to by the open
};
