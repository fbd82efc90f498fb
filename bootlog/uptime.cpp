#include "bootlog/uptime.h"

#include <algorithm>

int32_t UptimeSeconds(const TBootTable& table, uint64_t tickMs, int64_t utcNow) {
  int64_t seconds = static_cast<int64_t>(std::min<uint64_t>(tickMs / 1000, INT32_MAX));
  if (!table.empty() && table[0].BegunByWake && !IsTimeSet(table[0].StopTime)) {
    seconds = std::max<int64_t>(utcNow - static_cast<int64_t>(table[0].WakeUtc), 0);
  }
  return static_cast<int32_t>(std::min<int64_t>(seconds, INT32_MAX));
}
