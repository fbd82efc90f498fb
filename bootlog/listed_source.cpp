#include "bootlog/listed_source.h"

bool ListedEventSource::ReadNextEvent(TLogEvent& event) {
  if (next_ >= events_.size()) {
    return false;
  }
  event = events_[next_++];
  return true;
}

std::string ListedEventSource::LookupUserName(const TLogEvent& event) {
  return event.HasUserSid ? event.UserSid : kUnknownUserName;
}
