// The 64-bit tick count on systems that only have the 32-bit GetTickCount,
// which wraps after about 49.7 days.
#pragma once

#include <cstdint>

namespace platform_win32 {

// Widens successive readings of a wrapping 32-bit millisecond counter: a reading
// smaller than the one before means the counter went round once. Readings must
// come at least once per wrap period, which the message loop's timers ensure.
class TTickWidener {
 public:
  uint64_t Widen(uint32_t ticks);

 private:
  uint32_t last_ = 0;
  uint64_t wraps_ = 0;
};

}  // namespace platform_win32
