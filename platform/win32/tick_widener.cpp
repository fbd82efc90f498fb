#include "platform/win32/tick_widener.h"

namespace platform_win32 {

uint64_t TTickWidener::Widen(uint32_t ticks) {
  if (ticks < last_) {
    ++wraps_;
  }
  last_ = ticks;
  return (wraps_ << 32) | ticks;
}

}  // namespace platform_win32
