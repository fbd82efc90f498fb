#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bootlog/windows_records.h"

// One record of the Windows System log, as far as Dorvex reads it.
struct TLogEvent {
  uint16_t EventCode = 0;      // low 16 bits of the event identifier
  uint32_t TimeGenerated = 0;  // seconds since 1970-01-01 00:00:00 UTC
  bool HasUserSid = false;
  std::string UserSid;               // SID bytes, or (fixtures, tests) the name itself
  std::string SourceName;            // the provider that wrote the record
  std::vector<std::string> Strings;  // its data values, in the order of the event's template
};

// The Windows System log (this computer's, a saved one, a fixture), read
// newest record first; windows_sessions.h tells it as session events.
// Failures are silent: a log that cannot be opened has no events, a read error
// ends the log, a failed lookup gives kUnknownUserName.
class EventSource {
 public:
  virtual ~EventSource() = default;
  virtual bool OpenSystemLog() = 0;
  // The next older event; false at the end of the log or on a read error.
  virtual bool ReadNextEvent(TLogEvent& event) = 0;
  virtual std::string LookupUserName(const TLogEvent& event) = 0;
  // An account an event names in its data as a SID text ("S-1-5-21-...").
  virtual std::string LookupSidText(const std::string& sidText) = 0;
  // Lets a reader whose decoding is costly leave the source name and data
  // values of the other records empty. Readers that hold them anyway ignore it.
  virtual void DecodeDataOnlyOf(const TDataWanted&) {}
};

// A source whose events carry the user name itself in place of a SID
// (fixtures, tests).
class NamedEventSource : public EventSource {
 public:
  std::string LookupUserName(const TLogEvent& event) override;
  std::string LookupSidText(const std::string& sidText) override;
};
