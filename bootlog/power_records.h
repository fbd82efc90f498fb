#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "bootlog/boot_table.h"
#include "bootlog/event_source.h"
#include "bootlog/session_event.h"

// A Power-Troubleshooter wake record that the session rules take: it woke
// later than it went to sleep.
struct TWake {
  uint32_t SleepUtc = 0;  // seconds since 1970-01-01 UTC
  uint32_t WakeUtc = 0;
  TStopKind Kind = TStopKind::Sleep;  // what the session before it ended in
};

bool IsWakeRecord(const TLogEvent& event);
bool IsSleepRecord(const TLogEvent& event);
bool IsLogonRecord(const TLogEvent& event);
// Wake, sleep and logon records: the only ones whose source name and data
// values the session rules read.
inline constexpr TRecordKind kPowerOrLogonRecords[] = {
    {kPowerWake, kPowerTroubleshooter}, {kPowerSleep, kKernelPower}, {kWinlogonLogon, kWinlogon}};
inline constexpr TDataWanted kPowerOrLogonData{kPowerOrLogonRecords};

// Empty for a wake record whose times cannot be read or whose wake is not
// later than its sleep (it woke only to hibernate or to sleep again).
std::optional<TWake> ReadWake(const TLogEvent& event);
// The kind of stop a TargetState data value names; anything else is a sleep.
TStopKind StopKindOf(const TLogEvent& event, size_t targetStateIndex);
