#include "ui/timer.h"

#include "ui/guarded.h"

#include <algorithm>
#include <chrono>
#include <vector>

uint64_t TTimerQueue::Now() const {
  if (clock_) {
    return clock_();
  }
  using namespace std::chrono;
  return static_cast<uint64_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

TTimerQueue::TTimerId TTimerQueue::Add(uint32_t intervalMs, std::function<void()> callback) {
  TTimerId id = nextId_++;
  timers_[id] = Entry{intervalMs, Now() + intervalMs, std::move(callback)};
  return id;
}

TTimerQueue::TTimerId TTimerQueue::AddOnce(uint32_t delayMs, std::function<void()> callback) {
  TTimerId id = Add(delayMs, std::move(callback));
  timers_[id].once = true;
  return id;
}

void TTimerQueue::Remove(TTimerId id) {
  timers_.erase(id);
}

int TTimerQueue::RunDue() {
  uint64_t now = Now();
  // Collect first: a callback may add or remove timers (itself included).
  std::vector<std::pair<uint64_t, TTimerId>> due;
  for (auto& [id, e] : timers_) {
    if (e.due <= now) {
      due.emplace_back(e.due, id);
    }
  }
  std::sort(due.begin(), due.end());
  int ran = 0;
  for (auto& [when, id] : due) {
    auto it = timers_.find(id);
    if (it == timers_.end()) {
      continue;
    }
    it->second.due = now + it->second.interval;
    auto callback = it->second.callback;
    if (it->second.once) {
      timers_.erase(it);
    }
    ++ran;
    callback();
  }
  return ran;
}

std::optional<uint64_t> TTimerQueue::NextDue() const {
  std::optional<uint64_t> best;
  for (auto& [id, e] : timers_) {
    if (!best || e.due < *best) {
      best = e.due;
    }
  }
  return best;
}

TTimerQueue& AppTimers() {
  // Never destroyed: timers held by other statics leave it at exit, after it
  // would have gone.
  static TTimerQueue& queue = *new TTimerQueue;
  return queue;
}

TTimer::TTimer() {
  Restart();
}

TTimer::~TTimer() {
  if (id_) {
    AppTimers().Remove(id_);
  }
}

void TTimer::SetInterval(uint32_t ms) {
  if (ms == interval_) {
    return;
  }
  interval_ = ms;
  Restart();
}

void TTimer::SetEnabled(bool e) {
  if (e == enabled_) {
    return;
  }
  enabled_ = e;
  Restart();
}

void TTimer::Restart() {
  if (id_) {
    AppTimers().Remove(id_);
  }
  id_ = 0;
  // A zero interval never fires, as on Windows' component.
  if (enabled_ && interval_ > 0) {
    id_ = AppTimers().Add(interval_, [this] {
      RunGuarded([this] {
        if (OnTimer) {
          OnTimer();
        }
      });
    });
  }
}
