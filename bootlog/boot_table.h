#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bootlog/datetime.h"

struct TBootRecord {
  TDateTime StartTime = 0.0;  // 0.0: no start known
  TDateTime StopTime = 0.0;   // 0.0: no clean shutdown known
  int32_t RunSeconds = 0;
  std::string StateText;
  std::string UserName;
};

// Newest boot first; records are only appended or removed at the end.
using TBootTable = std::vector<TBootRecord>;

// Every real time is far above 1.0; 0.0 means none.
inline bool IsTimeSet(TDateTime t) {
  return t > 1.0;
}

// The process-wide table, rebuilt by every refresh.
TBootTable& BootTable();
