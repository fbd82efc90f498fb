#include "platform/linux/journal_sleeps.h"

#include <algorithm>

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
  // The civil date of a day count (days since 1970 in eras of 400 years);
  // printf and gmtime took most of the time of a journal's sleeps.
  const uint64_t seconds = usec / kUsecPerSecond;
  const uint64_t days = seconds / 86400 + 719468;
  const uint64_t era = days / 146097;
  const uint64_t dayOfEra = days - era * 146097;
  const uint64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const uint64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const uint64_t shifted = (5 * dayOfYear + 2) / 153;  // March is 0
  const uint64_t day = dayOfYear - (153 * shifted + 2) / 5 + 1;
  const uint64_t month = shifted < 10 ? shifted + 3 : shifted - 9;
  const uint64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  const uint64_t time = seconds % 86400;

  std::string text = "0000-00-00T00:00:00.0000000Z";
  const auto put = [&text](size_t end, uint64_t value, size_t digits) {
    for (size_t i = 0; i < digits; ++i, value /= 10) {
      text[end - i - 1] = static_cast<char>('0' + value % 10);
    }
  };
  put(4, year, 4);
  put(7, month, 2);
  put(10, day, 2);
  put(13, time / 3600, 2);
  put(16, time / 60 % 60, 2);
  put(19, time % 60, 2);
  put(26, usec % kUsecPerSecond, 6);
  return text;
}

std::vector<TLogEvent> SleepEvents(std::vector<TSleepEntry> entries) {
  std::vector<const TSleepEntry*> inOrder;
  inOrder.reserve(entries.size());
  for (const TSleepEntry& entry : entries) {
    inOrder.push_back(&entry);
  }
  // In one microsecond a return comes before the next start.
  std::stable_sort(inOrder.begin(), inOrder.end(), [](const TSleepEntry* a, const TSleepEntry* b) {
    return a->Usec != b->Usec ? a->Usec < b->Usec : !a->Start && b->Start;
  });
  // One systemd-sleep runs at a time: an entry continues the latest sleep
  // when it comes from the same process, else a start begins a sleep and a
  // return is of one the journal no longer holds. Without a process number, a
  // return or a failure ends the sleep.
  std::vector<TSleep> sleeps;
  for (const TSleepEntry* at : inOrder) {
    const TSleepEntry& entry = *at;
    TSleep* latest = sleeps.empty() ? nullptr : &sleeps.back();
    const bool same = latest != nullptr && latest->Start->BootId == entry.BootId &&
                      latest->Start->Pid == entry.Pid &&
                      (!entry.Pid.empty() || (latest->Return == nullptr && !latest->Failed));
    if (entry.Start) {
      if (!same) {
        sleeps.push_back({&entry});
        latest = &sleeps.back();
      }
      latest->Hibernated |= entry.Sleep == "hibernate";
    } else if (same) {
      if (entry.Priority <= kLastFailurePriority) {
        latest->Failed = latest->Return == nullptr;
      } else {
        latest->Return = &entry;
        latest->Failed = false;
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
  // Newest first; within a second, the later logged first. Sleeps that
  // overlap (in a damaged journal) are out of order.
  const auto older = [](const TLogEvent& a, const TLogEvent& b) {
    return a.TimeGenerated < b.TimeGenerated;
  };
  if (!std::is_sorted(events.begin(), events.end(), older)) {
    std::stable_sort(events.begin(), events.end(), older);
  }
  std::reverse(events.begin(), events.end());
  return events;
}
