#include "bootlog/reconstruct.h"

#include <optional>

#include "bootlog/convert_time.h"
#include "bootlog/power_records.h"
#include "bootlog/session_event.h"

namespace {

bool IsServiceAccount(const std::string& name) {
  for (const char* word : {"N/A", "SYSTEM", "LOCAL SERVICE"}) {
    if (name.find(word) != std::string::npos) {
      return true;
    }
  }
  return false;
}

enum class TRole { Other, Started, Stopped, ServiceControl, Wake, Sleep, Logon };

// The code alone passes most records over before any source name is compared.
TRole RoleOf(const TLogEvent& event) {
  switch (event.EventCode) {
    case kEventLogStarted:
      return TRole::Started;
    case kEventLogStopped:
      return TRole::Stopped;
    case kServiceControl:
      return TRole::ServiceControl;
    case kPowerWake:
      return IsWakeRecord(event) ? TRole::Wake : TRole::Other;
    case kPowerSleep:
      return IsSleepRecord(event) ? TRole::Sleep : TRole::Other;
    case kWinlogonLogon:
      return IsLogonRecord(event) ? TRole::Logon : TRole::Other;
    default:
      return TRole::Other;
  }
}

// One read of the log. The stop a wake record names waits until the read
// passes the wake: records written between the wake and the wake record (the
// logon after a Fast Startup) belong to the woken session.
class TReconstruction {
 public:
  TReconstruction(EventSource& source, const RegionalFormats& formats, TBootTable& table)
      : source_(source), formats_(formats), table_(table) {}

  void Take(const TLogEvent& event) {
    const TRole role = RoleOf(event);
    const std::optional<TWake> wake = role == TRole::Wake ? ReadWake(event) : std::nullopt;
    if (role == TRole::Other || (role == TRole::Wake && !wake)) {
      return;
    }
    if (pending_ && (wake || event.TimeGenerated < pending_->WakeUtc)) {
      ApplyPending();
    }
    switch (role) {
      case TRole::Wake:
        Start(wake->WakeUtc, true);
        pending_ = wake;
        break;
      case TRole::Started:
        Start(event.TimeGenerated, false);
        break;
      case TRole::Stopped:
        Stop(ConvertEventTime(event.TimeGenerated, formats_), TStopKind::Shutdown);
        break;
      case TRole::ServiceControl:
        User(source_.LookupUserName(event), event.TimeGenerated);
        break;
      case TRole::Logon:
        User(UserOfLogon(event), event.TimeGenerated);
        break;
      case TRole::Sleep:
        Sleep(event);
        break;
      case TRole::Other:
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
    const TWake wake = *pending_;
    pending_.reset();
    Stop(ConvertEventTime(wake.SleepUtc, formats_), wake.Kind);
    hasWakeStop_ = true;
    wakeStop_ = wake.SleepUtc;
  }

  void User(std::string name, uint32_t utc) {
    if (IsServiceAccount(name)) {
      return;
    }
    const TDateTime t = ConvertEventTime(utc, formats_);
    if (table_.empty() || (IsTimeSet(table_.back().StartTime) && table_.back().StartTime > t)) {
      Append();
    }
    table_.back().UserName = std::move(name);
  }

  std::string UserOfLogon(const TLogEvent& event) {
    if (kLogonUserSidIndex >= event.Strings.size()) {
      return kUnknownUserName;
    }
    return source_.LookupSidText(event.Strings[kLogonUserSidIndex]);
  }

  // A sleep with no wake after it was followed by a full boot. Otherwise the
  // earliest sleep before a wake is when the session ended, later ones being
  // its move into hibernation or wakes that only put it back to sleep.
  void Sleep(const TLogEvent& event) {
    if (table_.empty() || IsTimeSet(table_.back().StartTime)) {
      Stop(ConvertEventTime(event.TimeGenerated, formats_),
           StopKindOf(event, kSleepTargetStateIndex));
    } else if (hasWakeStop_ && wakeStop_ > event.TimeGenerated) {
      table_.back().StopTime = ConvertEventTime(event.TimeGenerated, formats_);
      wakeStop_ = event.TimeGenerated;
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

  EventSource& source_;
  const RegionalFormats& formats_;
  TBootTable& table_;
  std::optional<TWake> pending_;
  // Seconds of the last record's stop while it is the one a wake record gave.
  bool hasWakeStop_ = false;
  uint32_t wakeStop_ = 0;
};

}  // namespace

void ReadBootEvents(EventSource& source, const RegionalFormats& formats, TBootTable& table) {
  table.clear();
  if (!source.OpenSystemLog()) {
    return;
  }
  source.DecodeDataOnlyOf(kPowerOrLogonData);
  TReconstruction reconstruction(source, formats, table);
  TLogEvent event;
  while (source.ReadNextEvent(event)) {
    reconstruction.Take(event);
  }
  reconstruction.Finish();
}
