#include "bootlog/windows_sessions.h"

#include <algorithm>

namespace {

using TKind = TSessionEvent::TKind;

// Makes `event` a new one but for its user text, whose buffer it keeps.
void Reset(TSessionEvent& event, TKind kind, uint32_t utc) {
  event.Kind = kind;
  event.Utc = utc;
  event.Woke = false;
  event.WakeUtc = 0;
  event.How = TAsleepKind::Sleep;
  event.WentAsleepKnown = true;
}

TSessionEvent Asleep(uint32_t utc, TAsleepKind how) {
  TSessionEvent event;
  Reset(event, TKind::Asleep, utc);
  event.How = how;  // and no user
  return event;
}

}  // namespace

inline TSessionEvent& WindowsSessionSource::Slot(TSessionEvent& out, bool& direct) {
  direct = !wholeLog_ && !period_ && ready_.empty();
  if (direct) {
    return out;
  }
  return period_ ? held_.emplace_back() : ready_.emplace_back();
}

// Boots, shutdowns and logons, most of a log's events, go straight out when
// nothing is held back.
inline bool WindowsSessionSource::Take(const TRecordKind& kind, TSessionEvent& out) {
  const uint32_t utc = record_.TimeGenerated;
  if (!sinking_.empty()) {
    PlaceWakesAfter(utc);
  }
  bool direct = false;
  switch (kind.Meaning) {
    case TRecordMeaning::Boot:
    case TRecordMeaning::Shutdown: {
      Release();
      TSessionEvent& event = Slot(out, direct);
      Reset(event, kind.Meaning == TRecordMeaning::Boot ? TKind::Boot : TKind::Shutdown, utc);
      event.User.clear();
      return direct;
    }
    case TRecordMeaning::ServiceControl:
    case TRecordMeaning::Logon: {
      TSessionEvent& logon = Slot(out, direct);
      Reset(logon, TKind::Logon, utc);
      if (kind.Meaning == TRecordMeaning::ServiceControl) {
        logon.User = log_.LookupUserName(record_);
      } else {
        const std::string* sid = ValueOf(record_, kind, 0);
        logon.User = sid ? log_.LookupSidText(*sid) : kUnknownUserName;
      }
      return direct;
    }
    default:
      TakeOther(kind, utc);
      return false;
  }
}

inline bool WindowsSessionSource::Step(TSessionEvent& out) {
  if (!log_.ReadNextEvent(record_)) {
    End();
    return false;
  }
  const TRecordKind* kind = KindOf(record_, *wanted_);
  return kind != nullptr && Take(*kind, out);
}

bool WindowsSessionSource::Next(TSessionEvent& event) {
  while (ready_.empty() && open_) {
    if (Step(event)) {
      return true;
    }
  }
  if (ready_.empty()) {
    return false;
  }
  event = std::move(ready_.front());
  ready_.pop_front();
  return true;
}

bool WindowsSessionSource::Open() {
  sinking_.clear();
  period_.reset();
  held_.clear();
  ready_.clear();
  accounts_.clear();
  names_.clear();
  open_ = log_.OpenSystemLog();
  if (!open_) {
    return false;
  }
  // Any record may name an account a logon shows: such a log is read whole first.
  wholeLog_ = log_.NamesFromLog();
  wanted_ = wholeLog_ ? &kWindowsRecordData : &kSessionRecordData;
  log_.DecodeDataOnlyOf(*wanted_);
  if (wholeLog_) {
    TSessionEvent unused;  // a whole log's events all queue
    while (open_) {
      Step(unused);
    }
    for (TSessionEvent& event : ready_) {
      if (auto name = names_.find(event.User); event.Kind == TKind::Logon && name != names_.end()) {
        event.User = name->second.Name;
      }
    }
  }
  return true;
}

// Read newest first, the records of a sleep come after the wake that ended
// it: the wake's period is held while the read goes back through the run of
// going asleep before it (standby, then hibernation; wakes that only put the
// computer back to sleep) to when it first went asleep, until what ended
// that run: a boot, a shutdown or an earlier wake. The events read meanwhile
// are older, and follow it. A run of going asleep that nothing woke is held
// the same way.
void WindowsSessionSource::TakeOther(const TRecordKind& kind, uint32_t utc) {
  switch (kind.Meaning) {
    case TRecordMeaning::WentAsleep:
      WentAsleep(utc, AsleepKindOf(ValueOf(record_, kind, 0)));
      break;
    case TRecordMeaning::StandbyEntered:
      WentAsleep(utc, TAsleepKind::Standby);
      break;
    case TRecordMeaning::Woke:
      if (const std::optional<TSessionEvent> woke = WakeOf(record_, kind)) {
        Sink(*woke, utc);
      }
      break;
    case TRecordMeaning::StandbyExited: {
      // Began before the log did unless the run before it says when.
      TSessionEvent woke = Asleep(utc, TAsleepKind::Standby);
      woke.Woke = true;
      woke.WakeUtc = utc;
      woke.WentAsleepKnown = false;
      Sink(woke, utc);
      break;
    }
    case TRecordMeaning::ShutdownStarted:
    case TRecordMeaning::HiveCleared:
      Name(kind);
      break;
    default:
      break;
  }
}

void WindowsSessionSource::WentAsleep(uint32_t utc, TAsleepKind how) {
  const bool inRun = period_ && (period_->Woke ? utc < period_->WakeUtc : utc <= period_->Utc);
  if (!inRun) {
    Release();
    period_ = Asleep(utc, how);
    return;
  }
  if (!period_->WentAsleepKnown || utc < period_->Utc) {
    period_->Utc = utc;
  }
  period_->WentAsleepKnown = true;
}

void WindowsSessionSource::Sink(const TSessionEvent& woke, uint32_t written) {
  const auto later = [](const TSinking& a, const TSinking& b) {
    return a.Woke.WakeUtc > b.Woke.WakeUtc;
  };
  const TSinking sinking{woke, written};
  sinking_.insert(std::upper_bound(sinking_.begin(), sinking_.end(), sinking, later), sinking);
}

// A record logged before a wake, or later than the wake's own record (the
// clock was set back): the wake takes its place in the story there, and ends
// the run held before it.
void WindowsSessionSource::PlaceWakesAfter(uint32_t utc) {
  while (!sinking_.empty() &&
         (sinking_.front().Woke.WakeUtc > utc || utc > sinking_.front().Written)) {
    Release();
    period_ = std::move(sinking_.front().Woke);
    sinking_.erase(sinking_.begin());
  }
}

void WindowsSessionSource::Release() {
  if (!period_) {
    return;
  }
  ready_.push_back(std::move(*period_));
  period_.reset();
  std::move(held_.begin(), held_.end(), std::back_inserter(ready_));
  held_.clear();
}

void WindowsSessionSource::End() {
  for (TSinking& sinking : sinking_) {
    Release();
    period_ = std::move(sinking.Woke);
  }
  sinking_.clear();
  Release();
  open_ = false;
}

// The newest record of the kind that names best: a shutdown's account, then a
// profile's folder. Accounts this computer names are left to it.
void WindowsSessionSource::Name(const TRecordKind& kind) {
  if (!record_.HasUserSid) {
    return;
  }
  auto [account, fresh] = accounts_.try_emplace(record_.UserSid);
  if (fresh) {
    account->second = log_.LookupUserName(record_);
  }
  if (account->second.rfind("S-1-", 0) != 0) {
    return;
  }
  const int rank = kind.Meaning == TRecordMeaning::ShutdownStarted ? 2 : 1;
  const auto named = names_.find(account->second);
  if (named != names_.end() && named->second.Rank >= rank) {
    return;
  }
  if (std::string name = AccountNameOf(record_, kind); !name.empty()) {
    names_[account->second] = {rank, std::move(name)};
  }
}
