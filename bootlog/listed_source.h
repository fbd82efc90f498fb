#pragma once

#include <string>
#include <vector>

#include "bootlog/event_source.h"

// A log already in memory, newest first.
class ListedEventSource : public NamedEventSource {
 public:
  ListedEventSource() = default;
  explicit ListedEventSource(std::vector<TLogEvent> events) : events_(std::move(events)) {}

  bool OpenSystemLog() override;
  bool ReadNextEvent(TLogEvent& event) override;

  const std::vector<TLogEvent>& Events() const { return events_; }

 private:
  std::vector<TLogEvent> events_;
  size_t next_ = 0;
};
