#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bootlog/session_event.h"

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

// The entries, in any order, as asleep periods, newest first by where they
// stand (a woken one at its wake). The first start of a process to its last
// return is one sleep (suspend-then-hibernate logs a return and a start in
// between), a hibernation when any of its starts was one; sleeps do not
// overlap. A sleep that failed, that returned within its second, or whose
// start the journal no longer holds, is left out; one with no return did not
// wake.
std::vector<TSessionEvent> SleepEvents(std::vector<TSleepEntry> entries);
