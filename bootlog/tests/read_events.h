#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bootlog/event_source.h"

// An event as the reconstruction sees it: code, time and looked-up user.
struct TSeenEvent {
  int Code;
  uint32_t Time;
  std::string User;
  bool operator==(const TSeenEvent&) const = default;
};

// Every event the open source still yields.
inline std::vector<TSeenEvent> ReadEvents(EventSource& source) {
  std::vector<TSeenEvent> seen;
  TLogEvent e;
  while (source.ReadNextEvent(e)) {
    seen.push_back({e.EventCode, e.TimeGenerated, source.LookupUserName(e)});
  }
  return seen;
}
