#include <gtest/gtest.h>

#include <vector>

#include "ui/tests/ui_fixture.h"
#include "ui/timer.h"

namespace {

using TimerTest = UiTest;

TEST_F(TimerTest, TicksEveryIntervalOnTheFakeClock) {
  std::vector<uint64_t> ticks;
  TTimer timer;
  timer.SetInterval(1000);
  timer.OnTimer = [&] { ticks.push_back(platform.Ticks); };
  Advance(999);
  EXPECT_TRUE(ticks.empty());
  Advance(1);
  Advance(2500);
  EXPECT_EQ(ticks, (std::vector<uint64_t>{1000, 2000, 3000}));

  timer.SetEnabled(false);
  Advance(5000);
  EXPECT_EQ(ticks.size(), 3u);
  // Enabling again counts a full interval from now.
  timer.SetEnabled(true);
  Advance(999);
  EXPECT_EQ(ticks.size(), 3u);
  Advance(1);
  EXPECT_EQ(ticks.back(), 9500u);
}

TEST_F(TimerTest, ALateTimerFiresOnceAndCountsOnFromThen) {
  int count = 0;
  TTimer timer;
  timer.SetInterval(500);
  timer.OnTimer = [&] { ++count; };
  platform.Ticks += 1700;  // the loop was busy
  AppTimers().RunDue();
  EXPECT_EQ(count, 1);
  platform.Ticks += 499;
  AppTimers().RunDue();
  EXPECT_EQ(count, 1);
  platform.Ticks += 1;
  AppTimers().RunDue();
  EXPECT_EQ(count, 2);
}

TEST_F(TimerTest, CallbacksMayRemoveTimersAndZeroIntervalNeverFires) {
  TTimerQueue& q = AppTimers();
  std::vector<int> order;
  TTimerQueue::TTimerId second = 0;
  TTimerQueue::TTimerId first = q.Add(100, [&] {
    order.push_back(1);
    q.Remove(second);
  });
  second = q.Add(100, [&] { order.push_back(2); });
  Advance(100);
  EXPECT_EQ(order, (std::vector<int>{1}));
  EXPECT_FALSE(q.Contains(second));
  q.Remove(first);

  int fired = 0;
  TTimer idle;
  idle.SetInterval(0);
  idle.OnTimer = [&] { ++fired; };
  Advance(10000);
  EXPECT_EQ(fired, 0);
}

TEST_F(TimerTest, AnErrorInATimerReachesTheErrorHandler) {
  TTimer timer;
  timer.SetInterval(1000);
  int after = 0;
  timer.OnTimer = [&] {
    ++after;
    throw std::runtime_error("boom");
  };
  Advance(2000);
  EXPECT_EQ(after, 2);
  ASSERT_EQ(platform.MessageBoxes.size(), 2u);
  EXPECT_EQ(platform.MessageBoxes[0].Text, "boom.");
}

}  // namespace
