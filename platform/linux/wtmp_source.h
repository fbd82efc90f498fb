#pragma once

#include <string>
#include <vector>

#include "bootlog/event_source.h"

// The login accounting file standing in for the System log: a boot record is
// event 6005, a shutdown record 6006, a user login 7035 with the login name.
class WtmpEventSource : public EventSource {
 public:
  explicit WtmpEventSource(std::string path = "/var/log/wtmp") : path_(std::move(path)) {}

  // A missing, empty or unreadable file cannot be opened.
  bool OpenSystemLog() override;
  bool ReadNextEvent(TLogEvent& event) override;
  std::string LookupUserName(const TLogEvent& event) override;

 private:
  std::string path_;
  std::vector<TLogEvent> events_;  // newest first
  size_t next_ = 0;
};
