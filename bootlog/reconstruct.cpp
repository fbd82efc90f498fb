#include "bootlog/reconstruct.h"

#include <optional>

#include "bootlog/convert_time.h"

namespace {

bool IsServiceAccount(const std::string& name) {
  for (const char* word : {"N/A", "SYSTEM", "LOCAL SERVICE"}) {
    if (name.find(word) != std::string::npos) {
      return true;
    }
  }
  return false;
}

TStopKind StopKindOf(TAsleepKind how) {
  switch (how) {
    case TAsleepKind::Hibernation:
      return TStopKind::Hibernation;
    case TAsleepKind::FastStartup:
      return TStopKind::Shutdown;
    case TAsleepKind::Sleep:
    case TAsleepKind::Standby:
      break;
  }
  return TStopKind::Sleep;
}

// One read of the log. The stop of a period that woke waits until the read
// passes its wake: events logged between the wake and the record of it (the
// logon after a Fast Startup) belong to the woken session.
class TReconstruction {
 public:
  TReconstruction(const RegionalFormats& formats, TBootTable& table)
      : formats_(formats), table_(table) {}

  void Take(const TSessionEvent& event) {
    using TKind = TSessionEvent::TKind;
    const bool woke = event.Kind == TKind::Asleep && event.Woke;
    if (pending_ && (woke || event.PlaceUtc() < pending_->WakeUtc)) {
      ApplyPending();
    }
    switch (event.Kind) {
      case TKind::Boot:
        Start(event.Utc, false);
        break;
      case TKind::Shutdown:
        Stop(ConvertEventTime(event.Utc, formats_), TStopKind::Shutdown);
        break;
      case TKind::Logon:
        User(event.User, event.Utc);
        break;
      case TKind::Asleep:
        if (woke) {
          Start(event.WakeUtc, true);
          pending_ = event;
        } else {
          WentAsleep(event);
        }
        break;
    }
  }

  void Finish() {
    if (pending_) {
      ApplyPending();
    }
    CarryUsersThroughSleep();
  }

 private:
  TBootRecord& Append() {
    hasWakeStop_ = false;
    return table_.emplace_back();
  }

  void Start(uint32_t utc, bool byWake) {
    const TDateTime t = ConvertEventTime(utc, formats_);
    if (table_.empty() || IsTimeSet(table_.back().StartTime)) {
      Append();
    }
    TBootRecord& r = table_.back();
    r.StartTime = t;
    r.BegunByWake = byWake;
    r.WakeUtc = byWake ? utc : 0;
  }

  void Stop(TDateTime t, TStopKind kind) {
    if (table_.empty() || IsTimeSet(table_.back().StopTime) || IsTimeSet(table_.back().StartTime)) {
      Append();
    }
    table_.back().StopTime = t;
    table_.back().StopKind = kind;
  }

  void ApplyPending() {
    const TSessionEvent asleep = *pending_;
    pending_.reset();
    Stop(ConvertEventTime(asleep.Utc, formats_), StopKindOf(asleep.How));
    hasWakeStop_ = true;
    wakeStop_ = asleep.Utc;
  }

  void User(const std::string& name, uint32_t utc) {
    if (IsServiceAccount(name)) {
      return;
    }
    const TDateTime t = ConvertEventTime(utc, formats_);
    if (table_.empty() || (IsTimeSet(table_.back().StartTime) && table_.back().StartTime > t)) {
      Append();
    }
    table_.back().UserName = name;
  }

  // Nothing woke it before a full boot. The earliest going asleep before a
  // wake is when its session ended.
  void WentAsleep(const TSessionEvent& asleep) {
    if (table_.empty() || IsTimeSet(table_.back().StartTime)) {
      Stop(ConvertEventTime(asleep.Utc, formats_), StopKindOf(asleep.How));
    } else if (hasWakeStop_ && wakeStop_ > asleep.Utc) {
      table_.back().StopTime = ConvertEventTime(asleep.Utc, formats_);
      wakeStop_ = asleep.Utc;
    }
  }

  // Oldest first, so that one logon carries through several sleeps; a Fast
  // Startup logs off, so nothing carries through it.
  void CarryUsersThroughSleep() {
    for (size_t i = table_.size(); i-- > 1;) {
      TBootRecord& r = table_[i - 1];
      const TBootRecord& older = table_[i];
      if (r.BegunByWake && r.UserName.empty() && IsTimeSet(older.StopTime) &&
          older.StopKind != TStopKind::Shutdown) {
        r.UserName = older.UserName;
      }
    }
  }

  const RegionalFormats& formats_;
  TBootTable& table_;
  std::optional<TSessionEvent> pending_;  // a period that woke, its stop not yet placed
  // Seconds of the last record's stop while it is the one a wake record gave.
  bool hasWakeStop_ = false;
  uint32_t wakeStop_ = 0;
};

}  // namespace

void ReadBootEvents(SessionSource& source, const RegionalFormats& formats, TBootTable& table) {
  table.clear();
  if (!source.Open()) {
    return;
  }
  TReconstruction reconstruction(formats, table);
  TSessionEvent event;
  while (source.Next(event)) {
    reconstruction.Take(event);
  }
  reconstruction.Finish();
}
