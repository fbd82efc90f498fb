#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bootlog/event_source.h"

// What systemd-sleep logs when the computer goes to sleep and when it returns,
// as the journal holds it.
struct TSleepEntry {
  uint64_t Usec = 0;   // __REALTIME_TIMESTAMP: microseconds since 1970, UTC
  bool Start = false;  // SD_MESSAGE_SLEEP_START, else SD_MESSAGE_SLEEP_STOP
  std::string Sleep;   // SLEEP=: suspend, hibernate, hybrid-sleep, suspend-then-hibernate
  int Priority = 6;    // PRIORITY=; a failed sleep logs its return at 3
  std::string BootId;  // _BOOT_ID
  std::string Pid;     // _PID: one systemd-sleep process is one sleep
};

// The entries, in any order, as the records Windows writes around a sleep,
// newest first: where it went to sleep, a Kernel-Power 42; where it returned,
// a Power-Troubleshooter 1 carrying both times. The first start of a process
// to its last return is one sleep (suspend-then-hibernate logs a return and a
// start in between), a hibernation when any of its starts was one; sleeps do
// not overlap. A sleep that failed, that returned within its second, or whose
// start the journal no longer holds, is left out; one with no return gives
// the 42 alone.
std::vector<TLogEvent> SleepEvents(std::vector<TSleepEntry> entries);

// "2024-05-01T09:00:00.0000000Z" of microseconds since 1970.
std::string IsoUtcText(uint64_t usec);
