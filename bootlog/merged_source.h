#pragma once

#include <memory>

#include "bootlog/session_event.h"

// Two newest-first logs read as one, newest first by time: a log and events
// joined to it from elsewhere (the sleeps that Linux's login records do not
// hold). At an equal second the joined event comes first: a sleep logged in
// the second of a login ends the session that login began.
class MergedEventSource : public SessionSource {
 public:
  MergedEventSource(std::unique_ptr<SessionSource> log, std::unique_ptr<SessionSource> joined)
      : log_(std::move(log)), joined_(std::move(joined)) {}

  // Cannot be opened when the log cannot; joined events that cannot be read
  // are left out.
  bool Open() override;
  bool Next(TSessionEvent& event) override;

 private:
  std::unique_ptr<SessionSource> log_, joined_;
  TSessionEvent nextLog_, nextJoined_;
  bool hasLog_ = false, hasJoined_ = false;
};
