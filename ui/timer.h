#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "ui/control.h"

// Message-loop timers: the loop asks how long it may sleep (NextDue) and runs the
// timers that are due (RunDue). Like window-message timers, a late timer fires once,
// not once per missed interval, and its next tick counts from the moment it ran.
class TTimerQueue {
 public:
  using TClock = std::function<uint64_t()>;
  using TTimerId = uint64_t;

  // Milliseconds of the clock that drives the timers (a steady clock by default).
  uint64_t Now() const;
  void SetClock(TClock clock) { clock_ = std::move(clock); }

  TTimerId Add(uint32_t intervalMs, std::function<void()> callback);
  // Runs `callback` once, delayMs from now (at the loop's next turn for 0).
  TTimerId AddOnce(uint32_t delayMs, std::function<void()> callback);
  void Remove(TTimerId id);
  bool Contains(TTimerId id) const { return timers_.count(id) != 0; }
  // Runs, in order of their due times, the timers due at Now(); returns how many ran.
  int RunDue();
  // Clock time of the earliest due timer.
  std::optional<uint64_t> NextDue() const;
  size_t Count() const { return timers_.size(); }

 private:
  struct Entry {
    uint32_t interval;
    uint64_t due;
    std::function<void()> callback;
    bool once = false;
  };
  TClock clock_;
  std::map<TTimerId, Entry> timers_;
  TTimerId nextId_ = 1;
};

// The timers of this process's message loop.
TTimerQueue& AppTimers();

// A component that raises OnTimer every Interval milliseconds while enabled.
class TTimer {
 public:
  // Enabled from creation, like a timer placed on a window: the first tick comes one
  // interval after construction.
  TTimer();
  ~TTimer();
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  std::string Name;
  TNotifyEvent OnTimer;

  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool e);

 private:
  void Restart();
  uint32_t interval_ = 1000;
  bool enabled_ = true;
  TTimerQueue::TTimerId id_ = 0;
};
