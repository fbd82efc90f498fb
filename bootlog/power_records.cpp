#include "bootlog/power_records.h"

#include "bootlog/iso_time.h"
#include "bootlog/session_event.h"

namespace {

bool Is(const TLogEvent& event, const char* source, uint16_t code) {
  return event.EventCode == code && event.SourceName == source;
}

const std::string* Value(const TLogEvent& event, size_t index) {
  return index < event.Strings.size() ? &event.Strings[index] : nullptr;
}

}  // namespace

bool IsWakeRecord(const TLogEvent& event) {
  return Is(event, kPowerTroubleshooter, kPowerWake);
}

bool IsSleepRecord(const TLogEvent& event) {
  return Is(event, kKernelPower, kPowerSleep);
}

bool IsLogonRecord(const TLogEvent& event) {
  return Is(event, kWinlogon, kWinlogonLogon);
}

TStopKind StopKindOf(const TLogEvent& event, size_t targetStateIndex) {
  const std::string* text = Value(event, targetStateIndex);
  if (text == nullptr) {
    return TStopKind::Sleep;
  }
  // A whole decimal number, nothing else: "15" or "5x" are not hibernation.
  if (*text == std::to_string(kTargetHibernate)) {
    return TStopKind::Hibernation;
  }
  if (*text == std::to_string(kTargetFastStartup)) {
    return TStopKind::Shutdown;
  }
  return TStopKind::Sleep;
}

std::optional<TWake> ReadWake(const TLogEvent& event) {
  const std::string* sleepText = Value(event, kWakeSleepTimeIndex);
  const std::string* wakeText = Value(event, kWakeWakeTimeIndex);
  if (sleepText == nullptr || wakeText == nullptr) {
    return std::nullopt;
  }
  const std::optional<uint32_t> sleep = ParseIsoUtcSeconds(*sleepText);
  const std::optional<uint32_t> wake = ParseIsoUtcSeconds(*wakeText);
  if (!sleep || !wake || *wake <= *sleep) {
    return std::nullopt;
  }
  return TWake{*sleep, *wake, StopKindOf(event, kWakeTargetStateIndex)};
}
