#pragma once

#include <string>
#include <vector>

#include "bootlog/event_source.h"

// A log already read into memory, newest first, whose events carry the user
// name itself in place of a SID.
class ListedEventSource : public EventSource {
 public:
  ListedEventSource() = default;
  explicit ListedEventSource(std::vector<TLogEvent> events) : events_(std::move(events)) {}

  bool ReadNextEvent(TLogEvent& event) override;
  std::string LookupUserName(const TLogEvent& event) override;

  const std::vector<TLogEvent>& Events() const { return events_; }

 protected:
  void Rewind() { next_ = 0; }

  std::vector<TLogEvent> events_;

 private:
  size_t next_ = 0;
};
