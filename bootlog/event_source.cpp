#include "bootlog/event_source.h"

const char* const kUnknownUserName = "N/A";

std::string NamedEventSource::LookupUserName(const TLogEvent& event) {
  return event.HasUserSid ? event.UserSid : kUnknownUserName;
}

std::string NamedEventSource::LookupSidText(const std::string& sidText) {
  return sidText.empty() ? kUnknownUserName : sidText;
}
