#pragma once

#include <string>
#include <vector>

#include "bootlog/session_event.h"

struct sqlite3;
struct sqlite3_stmt;

// The wtmpdb database (SQLite), where current systems keep their boot and login
// records: a boot row is a boot at its login time and, when the system went
// down cleanly, a shutdown at its logout time; a login row is a logon by its
// user. Whole seconds, newest first, and at an equal second a shutdown before
// a logon before a boot.
//
// Given newest first (the database, then what logrotate renamed it to), the
// files are read as one log. An empty file is an empty database: logrotate
// leaves one in place of the renamed file until wtmpdb writes to it.
class WtmpdbEventSource : public SessionSource {
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
  bool Open() override;
  bool Next(TSessionEvent& event) override;

 private:
  bool Start(size_t file, std::string& problem);
  void Close();

  std::vector<std::string> files_;
  size_t file_ = files_.size();  // past the end until opened
  sqlite3* db_ = nullptr;
  sqlite3_stmt* rows_ = nullptr;
  bool rowWaiting_ = false;  // the first row, stepped to by the open
};
