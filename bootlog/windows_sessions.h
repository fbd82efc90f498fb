#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "bootlog/event_source.h"
#include "bootlog/session_event.h"

// The Windows System log told as session events: the event log service
// starting a boot and stopping a shutdown, a service control's account or a
// Winlogon logon's a logon (looked up by the log), and the power records
// paired into asleep periods. Which records these are is kWindowsRecords.
class WindowsSessionSource : public SessionSource {
 public:
  explicit WindowsSessionSource(EventSource& log) : log_(log) {}
  explicit WindowsSessionSource(std::unique_ptr<EventSource> log)
      : owned_(std::move(log)), log_(*owned_) {}

  bool Open() override;
  bool Next(TSessionEvent& event) override;

 private:
  // Reads one record; false at the end of the log.
  bool Read();
  void Take(const TRecordKind& kind);
  void Put(TSessionEvent event);
  void ReleaseWake();

  std::unique_ptr<EventSource> owned_;  // before log_, which may refer to it
  EventSource& log_;
  TLogEvent record_;
  // A wake read, the records of whose sleep are still to come, and the events
  // read since, which are older than it.
  std::optional<TSessionEvent> waking_;
  std::vector<TSessionEvent> held_;
  std::deque<TSessionEvent> ready_;
  bool open_ = false;
};
