#include "platform/linux/journal_sleeps.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <tuple>

#include "bootlog/session_event.h"

namespace {

constexpr uint64_t kUsecPerSecond = 1000000;
constexpr int kLastFailurePriority = 4;  // LOG_WARNING and worse

struct TSleep {
  const TSleepEntry* Start = nullptr;
  const TSleepEntry* Return = nullptr;  // the last good one
  bool Failed = false;
  bool Hibernated = false;
};

uint32_t EventTime(uint64_t usec) {
  const uint64_t seconds = usec / kUsecPerSecond;
  return seconds > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(seconds);
}

}  // namespace

std::string IsoUtcText(uint64_t usec) {
  const time_t seconds = static_cast<time_t>(usec / kUsecPerSecond);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%06u0Z", utc.tm_year + 1900,
                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                static_cast<unsigned>(usec % kUsecPerSecond));
  return text;
}

std::vector<TLogEvent> SleepEvents(std::vector<TSleepEntry> entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const TSleepEntry& a, const TSleepEntry& b) { return a.Usec < b.Usec; });
  // A process's entries, oldest first; without a process, a start opens a
  // sleep of its own that the next such return ends.
  std::vector<TSleep> sleeps;
  std::map<std::pair<std::string, std::string>, size_t> open;
  size_t unnamed = 0;
  for (const TSleepEntry& entry : entries) {
    const std::pair key{entry.BootId,
                        entry.Pid.empty() ? "#" + std::to_string(unnamed) : entry.Pid};
    auto found = open.find(key);
    if (entry.Start) {
      if (found == open.end()) {
        found = open.emplace(key, sleeps.size()).first;
        sleeps.push_back({&entry});
      }
      sleeps[found->second].Hibernated |= entry.Sleep == "hibernate";
    } else if (found != open.end()) {
      TSleep& sleep = sleeps[found->second];
      if (entry.Priority <= kLastFailurePriority) {
        sleep.Failed = sleep.Return == nullptr;
      } else {
        sleep.Return = &entry;
        sleep.Failed = false;
      }
      if (entry.Pid.empty()) {
        open.erase(found);
        ++unnamed;
      }
    }
  }

  std::vector<TLogEvent> events;
  for (const TSleep& sleep : sleeps) {
    const uint32_t slept = EventTime(sleep.Start->Usec);
    if (sleep.Failed || (sleep.Return && EventTime(sleep.Return->Usec) <= slept)) {
      continue;
    }
    const std::string state = std::to_string(sleep.Hibernated ? kTargetHibernate : kTargetSleep);
    TLogEvent start;
    start.SourceName = kKernelPower;
    start.EventCode = kPowerSleep;
    start.TimeGenerated = slept;
    start.Strings.resize(kSleepTargetStateIndex + 1);
    start.Strings[kSleepTargetStateIndex] = state;
    events.push_back(std::move(start));
    if (sleep.Return) {
      TLogEvent wake;
      wake.SourceName = kPowerTroubleshooter;
      wake.EventCode = kPowerWake;
      wake.TimeGenerated = EventTime(sleep.Return->Usec);
      wake.Strings.resize(
          std::max({kWakeSleepTimeIndex, kWakeWakeTimeIndex, kWakeTargetStateIndex}) + 1);
      wake.Strings[kWakeSleepTimeIndex] = IsoUtcText(sleep.Start->Usec);
      wake.Strings[kWakeWakeTimeIndex] = IsoUtcText(sleep.Return->Usec);
      wake.Strings[kWakeTargetStateIndex] = state;
      events.push_back(std::move(wake));
    }
  }
  // Newest first; within a second, the later logged first.
  std::stable_sort(events.begin(), events.end(), [](const TLogEvent& a, const TLogEvent& b) {
    return a.TimeGenerated < b.TimeGenerated;
  });
  std::reverse(events.begin(), events.end());
  return events;
}
