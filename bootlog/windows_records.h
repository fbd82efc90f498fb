#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bootlog/session_event.h"

// One record of the Windows System log, as far as Dorvex reads it.
struct TLogEvent {
  uint16_t EventCode = 0;      // low 16 bits of the event identifier
  uint32_t TimeGenerated = 0;  // seconds since 1970-01-01 00:00:00 UTC
  bool HasUserSid = false;
  std::string UserSid;               // SID bytes, or (fixtures, tests) the name itself
  std::string SourceName;            // the provider that wrote the record
  std::vector<std::string> Strings;  // its data values, in the order of the event's template
};

// What a record of the Windows System log tells of the computer's sessions.
enum class TRecordMeaning : uint8_t {
  Boot,            // the event log service started
  Shutdown,        // it stopped: a clean shutdown
  ServiceControl,  // a service was sent a control; the record's account was logged on
  Logon,           // a user logged on: the account as a SID text
  WentAsleep,      // sleep, hibernation or a Fast Startup shutdown began: TargetState
  Woke,            // it woke: when it went asleep, when it woke (UTC texts), TargetState
  StandbyEntered,  // Modern Standby began: the screen went off
  StandbyExited,   // Modern Standby ended
  // Records that name the account of their SID, for saved logs whose
  // accounts this computer cannot name:
  ShutdownStarted,  // a user started a shutdown or restart: "DOMAIN\name"
  HiveCleared,      // a registry hive's access history was cleared: its path
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

// The one list of the records Dorvex reads, the naming ones last. Other
// sources write events 1, 16, 42 and 7001 too; 6005, 6006 and 7035 count
// whatever wrote them.
inline constexpr TRecordKind kWindowsRecords[] = {
    {7035, {}, TRecordMeaning::ServiceControl, {}},
    {6005, {}, TRecordMeaning::Boot, {}},
    {6006, {}, TRecordMeaning::Shutdown, {}},
    {7001, "Microsoft-Windows-Winlogon", TRecordMeaning::Logon, {1}},
    {42, "Microsoft-Windows-Kernel-Power", TRecordMeaning::WentAsleep, {0}},
    {1, "Microsoft-Windows-Power-Troubleshooter", TRecordMeaning::Woke, {0, 1, 10}},
    {506, "Microsoft-Windows-Kernel-Power", TRecordMeaning::StandbyEntered, {}},
    {507, "Microsoft-Windows-Kernel-Power", TRecordMeaning::StandbyExited, {}},
    {1074, "User32", TRecordMeaning::ShutdownStarted, {6}},
    {16, "Microsoft-Windows-Kernel-General", TRecordMeaning::HiveCleared, {1}},
};
inline constexpr size_t kNamingRecords = 2;

// A set of codes that may hold others too: a bit for each code modulo 64,
// and one modulo 61 for the few codes whose first bits meet (7035 and 507).
struct TCodeSet {
  uint64_t Bits64 = 0, Bits61 = 0;
  constexpr void Add(uint16_t code) {
    Bits64 |= uint64_t{1} << (code % 64);
    Bits61 |= uint64_t{1} << (code % 61);
  }
  // By the first bits alone: cheaper where what follows sorts the rest out.
  constexpr bool MayHoldRoughly(uint16_t code) const { return ((Bits64 >> (code % 64)) & 1) != 0; }
  constexpr bool MayHold(uint16_t code) const {
    return MayHoldRoughly(code) && ((Bits61 >> (code % 61)) & 1) != 0;
  }
};

// Which records a reader must give their source name and data values: those
// of a named source.
struct TDataWanted {
  constexpr TDataWanted() = default;
  constexpr explicit TDataWanted(std::span<const TRecordKind> kinds) : Kinds(kinds) {
    for (const TRecordKind& kind : kinds) {
      AnyCodes.Add(kind.Code);
      if (!kind.Source.empty()) {
        Codes.Add(kind.Code);
      }
    }
  }
  // Passes most records over by their code alone, before any source name is read.
  constexpr bool MayWant(uint16_t code) const { return Codes.MayHold(code); }
  constexpr bool MayBeAny(uint16_t code) const { return AnyCodes.MayHoldRoughly(code); }

  std::span<const TRecordKind> Kinds;
  TCodeSet Codes;     // the codes of named sources
  TCodeSet AnyCodes;  // the codes of every kind
};

// The records the session rules read; with the naming ones, for a log whose
// accounts this computer cannot name.
inline constexpr TDataWanted kSessionRecordData{
    std::span(kWindowsRecords).first(std::size(kWindowsRecords) - kNamingRecords)};
inline constexpr TDataWanted kWindowsRecordData{kWindowsRecords};

// The kind among `wanted` that the record is, or none; most records are
// passed over by their code alone.
inline const TRecordKind* KindOf(const TLogEvent& event,
                                 const TDataWanted& wanted = kWindowsRecordData) {
  if (!wanted.MayBeAny(event.EventCode)) {
    return nullptr;
  }
  for (const TRecordKind& kind : wanted.Kinds) {
    if (kind.Code == event.EventCode && (kind.Source.empty() || event.SourceName == kind.Source)) {
      return &kind;
    }
  }
  return nullptr;
}

// The record's data value that its kind names `which`th, or none.
const std::string* ValueOf(const TLogEvent& event, const TRecordKind& kind, size_t which);

// A TargetState value: 5 hibernation, 6 a Fast Startup shutdown, anything else sleep.
TAsleepKind AsleepKindOf(const std::string* targetState);

// A wake record's period; none when its times cannot be read or it did not
// wake later than it went asleep (it woke only to hibernate or to sleep again).
std::optional<TSessionEvent> WakeOf(const TLogEvent& event, const TRecordKind& kind);

// The account a naming record gives: the name after the last '\' of
// "DOMAIN\name", or the profile folder of a path under "\Users\"; empty
// when it names none.
std::string AccountNameOf(const TLogEvent& event, const TRecordKind& kind);
