#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "bootlog/session_event.h"

struct TLogEvent;

// What a record of the Windows System log tells of the computer's sessions.
enum class TRecordMeaning : uint8_t {
  Boot,            // the event log service started
  Shutdown,        // it stopped: a clean shutdown
  ServiceControl,  // a service was sent a control; the record's account was logged on
  Logon,           // a user logged on: the account as a SID text
  WentAsleep,      // sleep, hibernation or a Fast Startup shutdown began: TargetState
  Woke,            // it woke: when it went asleep, when it woke (UTC texts), TargetState
};

// A kind of record: its code, the exact name of the source that writes it
// (none: any source writes it), what it means, and where the data values it
// needs stand in the event's template, in the order the meaning names them.
struct TRecordKind {
  uint16_t Code = 0;
  std::string_view Source;
  TRecordMeaning Meaning = TRecordMeaning::Boot;
  uint8_t Values[3] = {};
};

// The one list of the records Dorvex reads. Other sources write events 1, 42
// and 7001 too; 6005, 6006 and 7035 count whatever wrote them.
inline constexpr TRecordKind kWindowsRecords[] = {
    {6005, {}, TRecordMeaning::Boot, {}},
    {6006, {}, TRecordMeaning::Shutdown, {}},
    {7035, {}, TRecordMeaning::ServiceControl, {}},
    {7001, "Microsoft-Windows-Winlogon", TRecordMeaning::Logon, {1}},
    {42, "Microsoft-Windows-Kernel-Power", TRecordMeaning::WentAsleep, {0}},
    {1, "Microsoft-Windows-Power-Troubleshooter", TRecordMeaning::Woke, {0, 1, 10}},
};

// Which records a reader must give their source name and data values: those
// of a named source.
struct TDataWanted {
  constexpr TDataWanted() = default;
  constexpr explicit TDataWanted(std::span<const TRecordKind> kinds) : Kinds(kinds) {
    for (const TRecordKind& kind : kinds) {
      if (!kind.Source.empty()) {
        CodeBits |= uint64_t{1} << (kind.Code % 64);
      }
    }
  }
  // Passes most records over by their code alone, before any source name is read.
  constexpr bool MayWant(uint16_t code) const { return (CodeBits >> (code % 64)) & 1; }

  std::span<const TRecordKind> Kinds;
  uint64_t CodeBits = 0;  // a bit for each code of a named source, modulo 64
};

inline constexpr TDataWanted kWindowsRecordData{kWindowsRecords};

// The kind among kWindowsRecords that the record is, or none.
const TRecordKind* KindOf(const TLogEvent& event);

// The record's data value that its kind names `which`th, or none.
const std::string* ValueOf(const TLogEvent& event, const TRecordKind& kind, size_t which);

// A TargetState value: 5 hibernation, 6 a Fast Startup shutdown, anything else sleep.
TAsleepKind AsleepKindOf(const std::string* targetState);

// A wake record's period; none when its times cannot be read or it did not
// wake later than it went asleep (it woke only to hibernate or to sleep again).
std::optional<TSessionEvent> WakeOf(const TLogEvent& event, const TRecordKind& kind);
