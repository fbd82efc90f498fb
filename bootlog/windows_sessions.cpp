#include "bootlog/windows_sessions.h"

#include <algorithm>

namespace {

TSessionEvent At(TSessionEvent::TKind kind, uint32_t utc) {
  TSessionEvent event;
  event.Kind = kind;
  event.Utc = utc;
  return event;
}

}  // namespace

bool WindowsSessionSource::Open() {
  waking_.reset();
  held_.clear();
  ready_.clear();
  open_ = log_.OpenSystemLog();
  if (open_) {
    log_.DecodeDataOnlyOf(kWindowsRecordData);
  }
  return open_;
}

bool WindowsSessionSource::Next(TSessionEvent& event) {
  while (ready_.empty() && Read()) {
  }
  if (ready_.empty()) {
    return false;
  }
  event = std::move(ready_.front());
  ready_.pop_front();
  return true;
}

bool WindowsSessionSource::Read() {
  if (!open_) {
    return false;
  }
  if (!log_.ReadNextEvent(record_)) {
    open_ = false;
    ReleaseWake();
    return false;
  }
  if (const TRecordKind* kind = KindOf(record_)) {
    Take(*kind);
  }
  return true;
}

// Read newest first, a wake record comes before the records of the sleep it
// ended. Its period waits for them: the going asleep before it (a move into
// hibernation, wakes that only put it back to sleep) takes the period back to
// when the computer first went asleep, until the record that began that run
// of sleeps: a boot, a shutdown or an earlier wake.
void WindowsSessionSource::Take(const TRecordKind& kind) {
  using TKind = TSessionEvent::TKind;
  const uint32_t utc = record_.TimeGenerated;
  switch (kind.Meaning) {
    case TRecordMeaning::Boot:
    case TRecordMeaning::Shutdown:
      ReleaseWake();
      Put(At(kind.Meaning == TRecordMeaning::Boot ? TKind::Boot : TKind::Shutdown, utc));
      break;
    case TRecordMeaning::ServiceControl:
    case TRecordMeaning::Logon: {
      TSessionEvent logon = At(TKind::Logon, utc);
      if (kind.Meaning == TRecordMeaning::ServiceControl) {
        logon.User = log_.LookupUserName(record_);
      } else {
        const std::string* sid = ValueOf(record_, kind, 0);
        logon.User = sid ? log_.LookupSidText(*sid) : kUnknownUserName;
      }
      Put(std::move(logon));
      break;
    }
    case TRecordMeaning::WentAsleep:
      if (waking_ && utc < waking_->WakeUtc) {
        waking_->Utc = std::min(waking_->Utc, utc);
      } else {
        TSessionEvent asleep = At(TKind::Asleep, utc);
        asleep.How = AsleepKindOf(ValueOf(record_, kind, 0));
        Put(std::move(asleep));
      }
      break;
    case TRecordMeaning::Woke:
      if (std::optional<TSessionEvent> period = WakeOf(record_, kind)) {
        ReleaseWake();
        waking_ = std::move(period);
      }
      break;
  }
}

void WindowsSessionSource::Put(TSessionEvent event) {
  if (waking_) {
    held_.push_back(std::move(event));
  } else {
    ready_.push_back(std::move(event));
  }
}

void WindowsSessionSource::ReleaseWake() {
  if (!waking_) {
    return;
  }
  ready_.push_back(std::move(*waking_));
  waking_.reset();
  std::move(held_.begin(), held_.end(), std::back_inserter(ready_));
  held_.clear();
}
