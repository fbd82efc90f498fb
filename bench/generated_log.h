#pragma once

#include <cstdint>
#include <string>

#include "bootlog/event_source.h"

// Boots newest first, generated on demand so that memory follows the boot
// table, not the event count: a stop, `users` logins (one in ten by a service
// account), a start, ten minutes apart, one boot a day.
class GeneratedLog : public EventSource {
 public:
  GeneratedLog(int64_t boots, int users) : boots_(boots), perBoot_(users + 2) {}
  int64_t EventCount() const { return boots_ * perBoot_; }

  bool OpenSystemLog() override {
    next_ = 0;
    return true;
  }
  bool ReadNextEvent(TLogEvent& e) override {
    if (next_ >= EventCount()) {
      return false;
    }
    const int64_t boot = next_ / perBoot_, step = next_ % perBoot_;
    const uint32_t start = static_cast<uint32_t>(1700000000 - boot * 86400);
    e.TimeGenerated = start + static_cast<uint32_t>((perBoot_ - 1 - step) * 600);
    e.EventCode = step == 0 ? 6006 : step == perBoot_ - 1 ? 6005 : 7035;
    e.HasUserSid = true;
    e.UserSid = step % 10 == 3 ? "SYSTEM" : "zhang";
    ++next_;
    return true;
  }
  std::string LookupUserName(const TLogEvent& e) override { return e.UserSid; }
  std::string LookupSidText(const std::string& sidText) override { return sidText; }

 private:
  int64_t boots_;
  int perBoot_;
  int64_t next_ = 0;
};
