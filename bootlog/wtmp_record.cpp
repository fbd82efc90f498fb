#include "bootlog/wtmp_record.h"

#include <cstring>

namespace {

uint32_t Le32(const char* p) {
  const auto* b = reinterpret_cast<const uint8_t*>(p);
  return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

}  // namespace

bool DecodeWtmpRecord(const char* record, TLogEvent& event) {
  using namespace wtmp_record;
  const auto* b = reinterpret_cast<const uint8_t*>(record);
  const auto type = static_cast<int16_t>(b[kType] | b[kType + 1] << 8);
  const char* user = record + kUser;
  const size_t userLength = strnlen(user, kUserSize);
  switch (type) {
    case kBootTime:
      event.EventCode = kEventLogStarted;
      event.HasUserSid = false;
      event.UserSid.clear();
      break;
    case kRunLevel:
      if (userLength != 8 || std::memcmp(user, "shutdown", 8) != 0) {
        return false;
      }
      event.EventCode = kEventLogStopped;
      event.HasUserSid = false;
      event.UserSid.clear();
      break;
    case kUserProcess:
      event.EventCode = kServiceControl;
      event.HasUserSid = userLength > 0;
      event.UserSid.assign(user, userLength);
      break;
    default:
      return false;
  }
  event.TimeGenerated = Le32(record + kSeconds);
  return true;
}
