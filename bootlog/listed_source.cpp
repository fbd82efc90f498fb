#include "bootlog/listed_source.h"

bool ListedEventSource::OpenSystemLog() {
  next_ = 0;
  return true;
}

bool ListedEventSource::ReadNextEvent(TLogEvent& event) {
  if (next_ >= events_.size()) {
    return false;
  }
  event = events_[next_++];
  return true;
}
