#pragma once

#include <string>

#include "bootlog/windows_records.h"

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
  // A saved log, whose accounts this computer may not name: their names are
  // then the ones the log's own records give.
  virtual bool NamesFromLog() const { return false; }
};

// A source whose events carry the user name itself in place of a SID
// (fixtures, tests).
class NamedEventSource : public EventSource {
 public:
  std::string LookupUserName(const TLogEvent& event) override;
  std::string LookupSidText(const std::string& sidText) override;
  bool NamesFromLog() const override { return true; }
};
