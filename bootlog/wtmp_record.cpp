#include "bootlog/wtmp_record.h"

#include <cstring>

#include "bootlog/little_endian.h"

bool DecodeWtmpRecord(const char* record, TLogEvent& event) {
  using namespace wtmp_record;
  const auto type = static_cast<int16_t>(Le16(record + kType));
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
