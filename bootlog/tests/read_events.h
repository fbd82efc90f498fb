#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "bootlog/session_event.h"

// An event as the reconstruction sees it: kind, where it stands, user.
struct TSeenEvent {
  TSessionEvent::TKind Kind;
  uint32_t Time;
  std::string User;
  bool operator==(const TSeenEvent&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TSeenEvent& e) {
  return out << "{"
             << "BSLA"[static_cast<int>(e.Kind)] << " " << e.Time << " " << e.User << "}";
}

// Every event the open source still yields.
inline std::vector<TSeenEvent> ReadEvents(SessionSource& source) {
  std::vector<TSeenEvent> seen;
  TSessionEvent e;
  while (source.Next(e)) {
    seen.push_back({e.Kind, e.PlaceUtc(), e.User});
  }
  return seen;
}
