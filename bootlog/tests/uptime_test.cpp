#include "bootlog/uptime.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t kNow = 1607230000;

TBootRecord Woken(uint32_t wake) {
  TBootRecord r;
  r.StartTime = 44171.5;
  r.BegunByWake = true;
  r.WakeUtc = wake;
  return r;
}

TEST(UptimeSeconds, TheTickCountAfterABoot) {
  TBootRecord boot;
  boot.StartTime = 44171.5;
  EXPECT_EQ(UptimeSeconds({boot}, 3599999, kNow), 3599);
  EXPECT_EQ(UptimeSeconds({}, 3599999, kNow), 3599);
  EXPECT_EQ(UptimeSeconds({}, 50ull * 86400 * 1000, kNow), 50 * 86400);
  EXPECT_EQ(UptimeSeconds({}, UINT64_MAX, kNow), INT32_MAX);
}

TEST(UptimeSeconds, TheTimeSinceTheWakeOfTheRunningRecord) {
  // Days of ticks from before a Fast Startup do not count.
  EXPECT_EQ(UptimeSeconds({Woken(kNow - 125)}, 9ull * 86400 * 1000, kNow), 125);
  // A clock set back: never below 0.
  EXPECT_EQ(UptimeSeconds({Woken(kNow + 60)}, 9ull * 86400 * 1000, kNow), 0);
  EXPECT_EQ(UptimeSeconds({Woken(0)}, 0, INT64_MAX), INT32_MAX);
}

TEST(UptimeSeconds, AWokenRecordThatStoppedOrIsOlderDoesNotCount) {
  TBootRecord stopped = Woken(kNow - 125);
  stopped.StopTime = 44171.6;
  EXPECT_EQ(UptimeSeconds({stopped}, 7000, kNow), 7);
  TBootRecord boot;
  boot.StartTime = 44172.5;
  EXPECT_EQ(UptimeSeconds({boot, Woken(kNow - 125)}, 7000, kNow), 7);
}

}  // namespace
