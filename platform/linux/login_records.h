#pragma once

#include <memory>
#include <string>
#include <vector>

#include "bootlog/session_event.h"

// Where a Linux system keeps its boot and login records.
struct TLoginRecordFiles {
  // Debian 13 keeps the database in /var/log (the other path is a link to it
  // there); earlier systems only in /var/lib. Each is rotated to FILE.1.
  std::vector<std::string> Databases = {"/var/log/wtmp.db", "/var/lib/wtmpdb/wtmp.db"};
  std::vector<std::string> Wtmp = {"/var/log/wtmp", "/var/log/wtmp.1"};  // newest first
};

// The system log: the first wtmpdb database that exists, with its rotated
// predecessor (then wtmp is no longer written), else the wtmp file followed by
// its rotated predecessor.
std::unique_ptr<SessionSource> LoginRecordSource(const TLoginRecordFiles& files = {});
