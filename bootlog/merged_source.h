#pragma once

#include <memory>

#include "bootlog/event_source.h"

// Two newest-first logs read as one, newest first by time: a log and events
// joined to it from elsewhere (the sleeps that Linux's login records do not
// hold). At an equal second the joined event comes first: a sleep logged in
// the second of a login ends the session that login began. The users are the
// log's to look up.
class MergedEventSource : public EventSource {
 public:
  MergedEventSource(std::unique_ptr<EventSource> log, std::unique_ptr<EventSource> joined)
      : log_(std::move(log)), joined_(std::move(joined)) {}

  // Cannot be opened when the log cannot; joined events that cannot be read
  // are left out.
  bool OpenSystemLog() override;
  bool ReadNextEvent(TLogEvent& event) override;
  std::string LookupUserName(const TLogEvent& event) override;
  std::string LookupSidText(const std::string& sidText) override;
  void DecodeDataOnlyOf(const TDataWanted& wanted) override;

 private:
  std::unique_ptr<EventSource> log_, joined_;
  TLogEvent nextLog_, nextJoined_;
  bool hasLog_ = false, hasJoined_ = false;
};
