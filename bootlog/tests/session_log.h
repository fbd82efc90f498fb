#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bootlog/event_source.h"

// Records shaped like the ones Windows 7 to 11 write around boots, sleeps,
// Fast Startup and logons, with their data values where the real ones keep them.
namespace session_log {

inline constexpr const char* kPowerTroubleshooter = "Microsoft-Windows-Power-Troubleshooter";
inline constexpr uint16_t kPowerWake = 1;
inline constexpr const char* kKernelPower = "Microsoft-Windows-Kernel-Power";
inline constexpr uint16_t kPowerSleep = 42;
inline constexpr const char* kWinlogon = "Microsoft-Windows-Winlogon";
inline constexpr uint16_t kWinlogonLogon = 7001;
// TargetState values.
inline constexpr int kTargetSleep = 4;
inline constexpr int kTargetHibernate = 5;
inline constexpr int kTargetFastStartup = 6;

// "2020-12-06T03:53:19.597986100Z" for the given UTC second.
inline std::string IsoText(uint32_t utc, const char* fraction = ".597986100") {
  using namespace std::chrono;
  const sys_seconds t{seconds{utc}};
  const auto day = floor<days>(t);
  const year_month_day ymd{day};
  const hh_mm_ss<seconds> hms{t - day};
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d%sZ", int(ymd.year()),
                unsigned(ymd.month()), unsigned(ymd.day()), int(hms.hours().count()),
                int(hms.minutes().count()), int(hms.seconds().count()), fraction);
  return text;
}

inline TLogEvent Record(const char* source, uint16_t code, uint32_t time,
                        std::vector<std::string> strings = {}) {
  TLogEvent e;
  e.SourceName = source;
  e.EventCode = code;
  e.TimeGenerated = time;
  e.Strings = std::move(strings);
  return e;
}

inline TLogEvent Boot(uint32_t time) {
  return Record("EventLog", 6005, time);
}

inline TLogEvent Shutdown(uint32_t time) {
  return Record("EventLog", 6006, time);
}

// Power-Troubleshooter 1 with its texts as given, written `delay` seconds after the wake.
inline TLogEvent WakeTexts(const std::string& sleepText, const std::string& wakeText, uint32_t time,
                           int targetState) {
  std::vector<std::string> data = {sleepText, wakeText, "1469", "2529", "2245",
                                   "0",       "0",      "0",    "0",    "33573888"};
  data.push_back(std::to_string(targetState));
  data.push_back(std::to_string(targetState));
  return Record(kPowerTroubleshooter, kPowerWake, time, std::move(data));
}

inline TLogEvent Wake(uint32_t sleep, uint32_t wake, int targetState, uint32_t delay = 3) {
  return WakeTexts(IsoText(sleep), IsoText(wake, ".026599900"), wake + delay, targetState);
}

// Kernel-Power 42: going to sleep, hibernation or Fast Startup.
inline TLogEvent Sleep(uint32_t time, int targetState) {
  return Record(kKernelPower, kPowerSleep, time,
                {std::to_string(targetState), std::to_string(targetState), "7"});
}

// Winlogon 7001; with a named source the SID text stands for the account.
inline TLogEvent Logon(uint32_t time, const std::string& userSid) {
  return Record(kWinlogon, kWinlogonLogon, time, {"1", userSid});
}

// What a Fast Startup shutdown writes besides Kernel-Power 42, and the boot's
// first record; the rules look at none of them.
inline TLogEvent Logoff(uint32_t time, const std::string& userSid) {
  return Record(kWinlogon, 7002, time, {"1", userSid});
}
inline TLogEvent KernelPower187(uint32_t time) {
  return Record(kKernelPower, 187, time, {"0"});
}
inline TLogEvent KernelPower107(uint32_t time) {
  return Record(kKernelPower, 107, time, {"6", "6", "6"});
}
inline TLogEvent KernelBoot27(uint32_t time) {
  return Record("Microsoft-Windows-Kernel-Boot", 27, time, {"1", " NOEXECUTE=OPTIN"});
}

}  // namespace session_log
