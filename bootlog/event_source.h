#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the reconstruction needs of one log record.
struct TLogEvent {
  uint16_t EventCode = 0;      // low 16 bits of the event identifier
  uint32_t TimeGenerated = 0;  // seconds since 1970-01-01 00:00:00 UTC
  bool HasUserSid = false;
  std::string UserSid;               // opaque to the reconstruction: SID bytes, or a name
  std::string SourceName;            // the provider that wrote the record
  std::vector<std::string> Strings;  // its data values, in the order of the event's template
};

constexpr uint16_t kEventLogStarted = 6005;
constexpr uint16_t kEventLogStopped = 6006;
constexpr uint16_t kServiceControl = 7035;

extern const char* const kUnknownUserName;  // "N/A"

// A kind of record: its code and the exact name of the source that writes it.
struct TRecordKind {
  uint16_t Code = 0;
  std::string_view Source;
};

// Which records a reader must give their source name and data values.
struct TDataWanted {
  constexpr TDataWanted() = default;
  constexpr explicit TDataWanted(std::span<const TRecordKind> kinds) : Kinds(kinds) {
    for (const TRecordKind& kind : kinds) {
      CodeBits |= uint64_t{1} << (kind.Code % 64);
    }
  }
  // Passes most records over by their code alone, before any source name is read.
  constexpr bool MayWant(uint16_t code) const { return (CodeBits >> (code % 64)) & 1; }

  std::span<const TRecordKind> Kinds;
  uint64_t CodeBits = 0;  // a bit for each code of Kinds, modulo 64
};

// The System log, read newest record first. Failures are silent: a log that
// cannot be opened has no events, a read error ends the log, a failed lookup
// gives kUnknownUserName.
class EventSource {
 public:
  virtual ~EventSource() = default;
  virtual bool OpenSystemLog() = 0;
  // The next older event; false at the end of the log or on a read error.
  virtual bool ReadNextEvent(TLogEvent& event) = 0;
  virtual std::string LookupUserName(const TLogEvent& event) = 0;
  // An account an event names in its data as a SID text ("S-1-5-21-...").
  virtual std::string LookupSidText(const std::string& sidText) = 0;
  // Lets a reader whose decoding is costly leave the source name and data
  // values of the other records empty. Readers that hold them anyway ignore it.
  virtual void DecodeDataOnlyOf(const TDataWanted&) {}
};

// A source whose events carry the user name itself in place of a SID (logs
// written on other systems, fixtures, tests).
class NamedEventSource : public EventSource {
 public:
  std::string LookupUserName(const TLogEvent& event) override;
  std::string LookupSidText(const std::string& sidText) override;
};
