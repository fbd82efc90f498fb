#pragma once

#include <memory>
#include <string>
#include <vector>

#include "bootlog/event_source.h"

// Where a Linux system keeps its boot and login records.
struct TLoginRecordFiles {
  std::string Database = "/var/lib/wtmpdb/wtmp.db";
  std::vector<std::string> Wtmp = {"/var/log/wtmp", "/var/log/wtmp.1"};  // newest first
};

// The system log: the wtmpdb database wherever it exists (then wtmp is no
// longer written), else the wtmp file followed by its rotated predecessor.
std::unique_ptr<EventSource> LoginRecordSource(const TLoginRecordFiles& files = {});
