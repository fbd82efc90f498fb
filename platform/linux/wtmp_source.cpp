#include "platform/linux/wtmp_source.h"

#include <utmp.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

std::string Field(const char* chars, size_t size) {
  return std::string(chars, strnlen(chars, size));
}

// The event a record stands for; false for records of no interest.
bool ToEvent(const struct utmp& u, TLogEvent& event) {
  event.TimeGenerated = static_cast<uint32_t>(u.ut_tv.tv_sec);
  event.HasUserSid = false;
  event.UserSid.clear();
  const std::string user = Field(u.ut_user, sizeof u.ut_user);
  switch (u.ut_type) {
    case BOOT_TIME:
      event.EventCode = kEventLogStarted;
      return true;
    case RUN_LVL:
      if (user != "shutdown") {
        return false;
      }
      event.EventCode = kEventLogStopped;
      return true;
    case USER_PROCESS:
      event.EventCode = kServiceControl;
      event.HasUserSid = !user.empty();
      event.UserSid = user;
      return true;
    default:
      return false;
  }
}

}  // namespace

bool WtmpEventSource::OpenSystemLog() {
  events_.clear();
  Rewind();
  std::ifstream file(path_, std::ios::binary);
  if (!file) {
    return false;
  }
  const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
  if (file.bad()) {
    return false;
  }
  // A truncated last record (the file is being written) is left out.
  const size_t records = bytes.size() / sizeof(struct utmp);
  if (records == 0) {
    return false;
  }
  events_.reserve(records);
  for (size_t i = records; i-- > 0;) {
    struct utmp u;
    std::memcpy(&u, bytes.data() + i * sizeof u, sizeof u);
    TLogEvent event;
    if (ToEvent(u, event)) {
      events_.push_back(std::move(event));
    }
  }
  return true;
}
