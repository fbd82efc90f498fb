#pragma once

#include <string>
#include <vector>

#include "bootlog/event_source.h"
#include "bootlog/session_event.h"

// A log already in memory, newest first: Windows records, or session events.
template <class Base, class Event>
class TListed : public Base {
 public:
  TListed() = default;
  explicit TListed(std::vector<Event> events) : events_(std::move(events)) {}

  const std::vector<Event>& Events() const { return events_; }

 protected:
  bool Rewind() {
    next_ = 0;
    return true;
  }
  bool Take(Event& event) {
    if (next_ >= events_.size()) {
      return false;
    }
    event = events_[next_++];
    return true;
  }

 private:
  std::vector<Event> events_;
  size_t next_ = 0;
};

class ListedEventSource : public TListed<NamedEventSource, TLogEvent> {
 public:
  using TListed::TListed;
  bool OpenSystemLog() override { return Rewind(); }
  bool ReadNextEvent(TLogEvent& event) override { return Take(event); }
};

class ListedSessionSource : public TListed<SessionSource, TSessionEvent> {
 public:
  using TListed::TListed;
  bool Open() override { return Rewind(); }
  bool Next(TSessionEvent& event) override { return Take(event); }
};
