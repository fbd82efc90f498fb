#include "bootlog/wtmp_record.h"

#include <cstring>

#include "bootlog/little_endian.h"

bool DecodeWtmpRecord(const char* record, TSessionEvent& event) {
  using namespace wtmp_record;
  const auto type = static_cast<int16_t>(Le16(record + kType));
  const char* user = record + kUser;
  const size_t userLength = strnlen(user, kUserSize);
  switch (type) {
    case kBootTime:
      event.Kind = TSessionEvent::TKind::Boot;
      event.User.clear();
      break;
    case kRunLevel:
      if (userLength != 8 || std::memcmp(user, "shutdown", 8) != 0) {
        return false;
      }
      event.Kind = TSessionEvent::TKind::Shutdown;
      event.User.clear();
      break;
    case kUserProcess:
      event.Kind = TSessionEvent::TKind::Logon;
      if (userLength > 0) {
        event.User.assign(user, userLength);
      } else {
        event.User = kUnknownUserName;
      }
      break;
    default:
      return false;
  }
  event.Utc = Le32(record + kSeconds);
  return true;
}
