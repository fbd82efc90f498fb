#pragma once

#include <cstdint>
#include <string>

// How the computer went asleep. Standby is Modern Standby (the screen off,
// the system in low-power idle); Fast Startup is a shutdown that hibernates
// the kernel.
enum class TAsleepKind : uint8_t { Sleep, Standby, Hibernation, FastStartup };

// The user of a logon whose account the log cannot name.
extern const char* const kUnknownUserName;  // "N/A"

// What every log tells of a computer's sessions, whatever wrote it: the
// session rules read nothing else.
struct TSessionEvent {
  enum class TKind : uint8_t { Boot, Shutdown, Logon, Asleep };

  TKind Kind = TKind::Boot;
  uint32_t Utc = 0;  // seconds since 1970-01-01 UTC; an asleep period's: when it went asleep
  std::string User;  // a logon's account, named as well as the log allows
  // An asleep period ended in a wake at WakeUtc; without one nothing woke it
  // before the log went on (a boot, a shutdown, or the log's end).
  bool Woke = false;
  uint32_t WakeUtc = 0;
  TAsleepKind How = TAsleepKind::Sleep;

  // Where the event stands among the others by time: a woken period at its wake.
  uint32_t PlaceUtc() const { return Kind == TKind::Asleep && Woke ? WakeUtc : Utc; }
};

// A log read as session events, newest first in the log's own order (an
// asleep period stands where its wake does). Failures are silent: a log that
// cannot be opened has no events, a read error ends the log.
class SessionSource {
 public:
  virtual ~SessionSource() = default;
  virtual bool Open() = 0;
  // The next older event; false at the end of the log or on a read error.
  virtual bool Next(TSessionEvent& event) = 0;
};
