#include "platform/win32/tick_widener.h"

#include <gtest/gtest.h>

namespace platform_win32 {
namespace {

TEST(TickWidener, FollowsTheCounterUntilItWraps) {
  TTickWidener w;
  EXPECT_EQ(w.Widen(1000), 1000u);
  EXPECT_EQ(w.Widen(1000), 1000u);  // an unchanged reading is no wrap
  EXPECT_EQ(w.Widen(0xFFFFFF00u), 0xFFFFFF00u);
}

TEST(TickWidener, AReadingBelowThePreviousOneCountsOneWrap) {
  TTickWidener w;
  w.Widen(0xFFFFFFF0u);
  EXPECT_EQ(w.Widen(0x10), 0x100000010ull);
  EXPECT_EQ(w.Widen(0x20), 0x100000020ull);
  w.Widen(0xFFFFFFFFu);
  EXPECT_EQ(w.Widen(0), 0x200000000ull);
}

TEST(TickWidener, NeverGoesBackwardsAcrossManyWraps) {
  TTickWidener w;
  uint64_t last = 0;
  for (uint64_t t = 0; t < 5 * 0x100000000ull; t += 0x3FFFFFFFull) {
    const uint64_t v = w.Widen(static_cast<uint32_t>(t));
    EXPECT_EQ(v, t);
    EXPECT_GE(v, last);
    last = v;
  }
}

}  // namespace
}  // namespace platform_win32
