#pragma once

#include <cstddef>
#include <cstdint>

// Records that today's Windows writes around sleep, hibernation, Fast Startup
// and logon. Each is recognised by its exact source name and code: other
// sources write events 1, 42 and 7001 too.
inline constexpr const char* kPowerTroubleshooter = "Microsoft-Windows-Power-Troubleshooter";
inline constexpr uint16_t kPowerWake = 1;  // written seconds after every wake
inline constexpr const char* kKernelPower = "Microsoft-Windows-Kernel-Power";
inline constexpr uint16_t kPowerSleep = 42;  // written when the computer goes to sleep
inline constexpr const char* kWinlogon = "Microsoft-Windows-Winlogon";
inline constexpr uint16_t kWinlogonLogon = 7001;

// Positions of the data values the reconstruction reads, in the order of each
// event's template.
inline constexpr size_t kWakeSleepTimeIndex = 0;  // "2020-12-06T03:53:19.597986100Z", UTC
inline constexpr size_t kWakeWakeTimeIndex = 1;
inline constexpr size_t kWakeTargetStateIndex = 10;
inline constexpr size_t kSleepTargetStateIndex = 0;
inline constexpr size_t kLogonUserSidIndex = 1;  // "S-1-5-21-..."

// TargetState values; anything else counts as sleep.
inline constexpr int kTargetSleep = 4;
inline constexpr int kTargetHibernate = 5;
inline constexpr int kTargetFastStartup = 6;
