#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "bootlog/event_source.h"
#include "bootlog/session_event.h"

// The Windows System log told as session events (its records are
// kWindowsRecords): the event log service starting is a boot and stopping a
// shutdown, a service control's account or a Winlogon logon's a logon (looked
// up by the log), and the power records are paired into asleep periods. In a
// saved log, accounts this computer cannot name take the names the log's own
// records give them.
class WindowsSessionSource : public SessionSource {
 public:
  explicit WindowsSessionSource(EventSource& log) : log_(log) {}
  explicit WindowsSessionSource(std::unique_ptr<EventSource> log)
      : owned_(std::move(log)), log_(*owned_) {}

  bool Open() override;
  bool Next(TSessionEvent& event) override;

 private:
  // Reads one record; true when its event went straight to `out`.
  bool Step(TSessionEvent& out);
  // Takes the record read, of a kind read; true as Step.
  bool Take(const TRecordKind& kind, TSessionEvent& out);
  void TakeOther(const TRecordKind& kind, uint32_t utc);
  TSessionEvent& Slot(TSessionEvent& out, bool& direct);
  void WentAsleep(uint32_t utc, TAsleepKind how);
  void Sink(const TSessionEvent& woke, uint32_t written);
  void PlaceWakesAfter(uint32_t utc);
  void Release();
  void End();
  void Name(const TRecordKind& kind);

  std::unique_ptr<EventSource> owned_;  // before log_, which may refer to it
  EventSource& log_;
  TLogEvent record_;
  const TDataWanted* wanted_ = &kSessionRecordData;
  bool open_ = false;
  bool wholeLog_ = false;  // read to the end before the first event is given
  // Wakes read, waiting until the read passes below them: the record of a
  // wake is written seconds later, after what the woken system did first.
  struct TSinking {
    TSessionEvent Woke;
    uint32_t Written;  // the record's own time
  };
  std::vector<TSinking> sinking_;  // latest wake first
  // The period being read back to where it began, and the events read since,
  // which are older than it.
  std::optional<TSessionEvent> period_;
  std::vector<TSessionEvent> held_;
  std::deque<TSessionEvent> ready_;

  struct TLogName {
    int Rank = 0;
    std::string Name;
  };
  std::unordered_map<std::string, std::string> accounts_;  // SID bytes: this computer's name
  std::unordered_map<std::string, TLogName> names_;        // an unnamed account: the log's name
};
