#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bootlog/datetime.h"

// How a session ended, when it ended cleanly.
enum class TStopKind { Shutdown, Sleep, Hibernation, FastStartup };

struct TBootRecord {
  TDateTime StartTime = 0.0;  // 0.0: no start known
  TDateTime StopTime = 0.0;   // 0.0: no clean shutdown known
  int32_t RunSeconds = 0;
  std::string StateText;
  std::string UserName;
  // Begun by a wake from sleep, hibernation or Fast Startup rather than a boot;
  // WakeUtc is then the wake's seconds since 1970-01-01 UTC.
  bool BegunByWake = false;
  uint32_t WakeUtc = 0;
  TStopKind StopKind = TStopKind::Shutdown;
};

// Newest boot first; records are only appended or removed at the end.
using TBootTable = std::vector<TBootRecord>;

// Every real time is far above 1.0; 0.0 means none.
inline bool IsTimeSet(TDateTime t) {
  return t > 1.0;
}

// The process-wide table, rebuilt by every refresh.
TBootTable& BootTable();
