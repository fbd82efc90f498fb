#include "platform/linux/journal_sleeps.h"

#include <algorithm>

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

std::vector<TSessionEvent> SleepEvents(std::vector<TSleepEntry> entries) {
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

  std::vector<TSessionEvent> events;
  for (const TSleep& sleep : sleeps) {
    TSessionEvent asleep;
    asleep.Kind = TSessionEvent::TKind::Asleep;
    asleep.Utc = EventTime(sleep.Start->Usec);
    if (sleep.Failed || (sleep.Return && EventTime(sleep.Return->Usec) <= asleep.Utc)) {
      continue;
    }
    asleep.Woke = sleep.Return != nullptr;
    asleep.WakeUtc = asleep.Woke ? EventTime(sleep.Return->Usec) : 0;
    asleep.How = sleep.Hibernated ? TAsleepKind::Hibernation : TAsleepKind::Sleep;
    events.push_back(std::move(asleep));
  }
  // Newest first; within a second, the later logged first. Sleeps that
  // overlap (in a damaged journal) are out of order.
  const auto older = [](const TSessionEvent& a, const TSessionEvent& b) {
    return a.PlaceUtc() < b.PlaceUtc();
  };
  if (!std::is_sorted(events.begin(), events.end(), older)) {
    std::stable_sort(events.begin(), events.end(), older);
  }
  std::reverse(events.begin(), events.end());
  return events;
}
