#pragma once

#include <string>
#include <vector>

#include "bootlog/listed_source.h"

// The login accounting file standing in for the System log: a boot record is
// event 6005, a shutdown record 6006, a user login 7035 with the login name.
class WtmpEventSource : public ListedEventSource {
 public:
  explicit WtmpEventSource(std::string path = "/var/log/wtmp") : path_(std::move(path)) {}

  // A missing, empty or unreadable file cannot be opened.
  bool OpenSystemLog() override;

 private:
  std::string path_;
};
