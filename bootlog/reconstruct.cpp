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
      return TStopKind::FastStartup;
    case TAsleepKind::Sleep:
    case TAsleepKind::Standby:
      break;
  }
  return TStopKind::Sleep;
}

// The screen off for seconds, a standby between two uses, the standby pair
// after every resume: too short to split a session.
bool IsFlicker(const TSessionEvent& event) {
  return event.Kind == TSessionEvent::TKind::Asleep && event.Woke && event.WentAsleepKnown &&
         int64_t{event.WakeUtc} - event.Utc < kShortestCounted;
}

// One read of the log, newest event first. A period that woke starts the
// session after it at once; its stop waits until the read passes its wake
// (events logged between the wake and the record of it belong to the woken
// session), and an earlier period that woke less than a minute before it
// went asleep again, with no logon between, becomes one with it.
class TReconstruction {
 public:
  TReconstruction(const RegionalFormats& formats, TBootTable& table)
      : formats_(formats), table_(table) {}

  // Takes the event's user text.
  void Take(TSessionEvent& event) {
    using TKind = TSessionEvent::TKind;
    if (IsFlicker(event) || (event.Kind == TKind::Logon && IsServiceAccount(event.User))) {
      return;
    }
    const bool woke = event.Kind == TKind::Asleep && event.Woke;
    if (woke && JoinLater(event)) {
      return;
    }
    openSince_.reset();
    if (pending_ && (woke || event.PlaceUtc() < pending_->WakeUtc)) {
      ApplyPending();
    }
    switch (event.Kind) {
      case TKind::Boot:
        Start(event.Utc, false);
        break;
      case TKind::Shutdown:
        Stop(event.Utc, TStopKind::Shutdown);
        break;
      case TKind::Logon:
        User(std::move(event.User), event.Utc);
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

  // A period that woke less than a minute before the computer went asleep
  // again, with nothing between, is one with the later period.
  bool JoinLater(const TSessionEvent& woke) {
    const std::optional<uint32_t> later =
        pending_ ? (pending_->WentAsleepKnown ? std::optional(pending_->Utc) : std::nullopt)
                 : openSince_;
    if (!later || *later < woke.WakeUtc || int64_t{*later} - woke.WakeUtc >= kShortestCounted) {
      return false;
    }
    if (pending_) {
      pending_->Utc = woke.Utc;
      pending_->WentAsleepKnown = woke.WentAsleepKnown;
    } else if (woke.WentAsleepKnown) {
      table_.back().StopTime = ConvertEventTime(woke.Utc, formats_);
      stopUtc_ = woke.Utc;
      openSince_ = woke.Utc;
    }
    return true;
  }

  void Finish() {
    if (pending_) {
      ApplyPending();
    }
    CarryUsersThroughSleep();
  }

 private:
  TBootRecord& Append() { return table_.emplace_back(); }

  // A stop the computer's going asleep gave, not a shutdown.
  static bool StoppedAsleep(const TBootRecord& r) {
    return IsTimeSet(r.StopTime) && r.StopKind != TStopKind::Shutdown;
  }

  // A start later than a going asleep's stop cannot be that session's: it
  // begins one of its own.
  void Start(uint32_t utc, bool byWake) {
    const TDateTime t = ConvertEventTime(utc, formats_);
    if (table_.empty() || IsTimeSet(table_.back().StartTime) ||
        (StoppedAsleep(table_.back()) && t > table_.back().StopTime)) {
      Append();
    }
    TBootRecord& r = table_.back();
    r.StartTime = t;
    r.BegunByWake = byWake;
    r.WakeUtc = byWake ? utc : 0;
  }

  void Stop(uint32_t utc, TStopKind kind) {
    const TDateTime t = ConvertEventTime(utc, formats_);
    if (table_.empty() || IsTimeSet(table_.back().StopTime) || IsTimeSet(table_.back().StartTime)) {
      Append();
    }
    table_.back().StopTime = t;
    table_.back().StopKind = kind;
    stopUtc_ = utc;
  }

  void ApplyPending() {
    const TSessionEvent asleep = *pending_;
    pending_.reset();
    if (asleep.WentAsleepKnown) {
      Stop(asleep.Utc, StopKindOf(asleep.How));
    }
  }

  void User(std::string&& name, uint32_t utc) {
    const TDateTime t = ConvertEventTime(utc, formats_);
    if (table_.empty() || (IsTimeSet(table_.back().StartTime) && table_.back().StartTime > t)) {
      Append();
    }
    table_.back().UserName = std::move(name);
  }

  // Nothing woke it before the log went on. Going asleep again before a stop
  // that going asleep gave never moves that stop later: the session ended
  // when the computer first went asleep.
  void WentAsleep(const TSessionEvent& asleep) {
    if (table_.empty() || IsTimeSet(table_.back().StartTime)) {
      Stop(asleep.Utc, StopKindOf(asleep.How));
      openSince_ = asleep.Utc;
    } else if (StoppedAsleep(table_.back()) && stopUtc_ > asleep.Utc) {
      table_.back().StopTime = ConvertEventTime(asleep.Utc, formats_);
      stopUtc_ = asleep.Utc;
      openSince_ = asleep.Utc;
    }
  }

  // Oldest first, so that one logon carries through several sleeps and
  // standbys; a Fast Startup logs off, so nothing carries through it.
  void CarryUsersThroughSleep() {
    for (size_t i = table_.size(); i-- > 1;) {
      TBootRecord& r = table_[i - 1];
      const TBootRecord& older = table_[i];
      if (r.BegunByWake && r.UserName.empty() && IsTimeSet(older.StopTime) &&
          (older.StopKind == TStopKind::Sleep || older.StopKind == TStopKind::Hibernation)) {
        r.UserName = older.UserName;
      }
    }
  }

  const RegionalFormats& formats_;
  TBootTable& table_;
  std::optional<TSessionEvent> pending_;  // a period that woke, its stop not yet placed
  uint32_t stopUtc_ = 0;                  // seconds of the last record's stop
  // The last event was a period nothing woke, which stopped the last record here.
  std::optional<uint32_t> openSince_;
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
