#include "platform/linux/journal_sleeps.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr uint64_t kNine = 1714554000;  // 2024-05-01 09:00:00 UTC

TSleepEntry Entry(bool start, uint64_t seconds, const std::string& sleep = "suspend",
                  const std::string& pid = "700", int priority = 6, const std::string& boot = "b1",
                  uint64_t micro = 0) {
  return {seconds * 1000000 + micro, start, sleep, priority, boot, pid};
}

// What the reconstruction reads of a period.
struct TSeen {
  uint32_t Slept;
  bool Woke;
  uint32_t Woken;
  TAsleepKind How;
  bool operator==(const TSeen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TSeen& s) {
  return out << s.Slept << (s.Woke ? "-" + std::to_string(s.Woken) : "-") << " "
             << static_cast<int>(s.How);
}

std::vector<TSeen> Seen(const std::vector<TSleepEntry>& entries) {
  std::vector<TSeen> seen;
  for (const TSessionEvent& e : SleepEvents(entries)) {
    EXPECT_EQ(e.Kind, TSessionEvent::TKind::Asleep);
    seen.push_back({e.Utc, e.Woke, e.WakeUtc, e.How});
  }
  return seen;
}

TSeen Period(uint64_t slept, uint64_t woke, TAsleepKind how = TAsleepKind::Sleep) {
  return {uint32_t(slept), true, uint32_t(woke), how};
}
TSeen Asleep(uint64_t slept) {
  return {uint32_t(slept), false, 0, TAsleepKind::Sleep};
}

constexpr TAsleepKind kHibernation = TAsleepKind::Hibernation;

TEST(SleepEvents, ASuspendAndItsReturnAreOnePeriod) {
  EXPECT_EQ(Seen({Entry(true, kNine), Entry(false, kNine + 3600)}),
            std::vector<TSeen>{Period(kNine, kNine + 3600)});
}

TEST(SleepEvents, HibernateIsHibernationEveryOtherSleepASleep) {
  for (const char* sleep : {"suspend", "hybrid-sleep", "suspend-then-hibernate", "hibernate"}) {
    const TAsleepKind how = std::string(sleep) == "hibernate" ? kHibernation : TAsleepKind::Sleep;
    EXPECT_EQ(Seen({Entry(true, kNine, sleep), Entry(false, kNine + 60, sleep)}),
              std::vector<TSeen>{Period(kNine, kNine + 60, how)})
        << sleep;
  }
}

TEST(SleepEvents, OneProcessIsOneSleepFromItsFirstStartToItsLastReturn) {
  // suspend-then-hibernate: suspended at 9, woken at 11 only to hibernate.
  EXPECT_EQ(
      Seen({Entry(true, kNine, "suspend"), Entry(false, kNine + 7200, "suspend"),
            Entry(true, kNine + 7205, "hibernate"), Entry(false, kNine + 10800, "hibernate")}),
      std::vector<TSeen>{Period(kNine, kNine + 10800, kHibernation)});
}

TEST(SleepEvents, FailedSleepsAreLeftOut) {
  // The kernel refused: the return is logged at LOG_ERR.
  EXPECT_TRUE(Seen({Entry(true, kNine), Entry(false, kNine + 2, "suspend", "700", 3)}).empty());
  // A warning counts as a failure too; the next sleep of another process stands.
  EXPECT_EQ(Seen({Entry(true, kNine), Entry(false, kNine + 2, "suspend", "700", 4),
                  Entry(true, kNine + 60, "suspend", "701"),
                  Entry(false, kNine + 120, "suspend", "701")}),
            std::vector<TSeen>{Period(kNine + 60, kNine + 120)});
  // Suspended, then the hibernation after it failed: the suspend stands.
  EXPECT_EQ(Seen({Entry(true, kNine), Entry(false, kNine + 600), Entry(true, kNine + 601),
                  Entry(false, kNine + 602, "hibernate", "700", 3)}),
            std::vector<TSeen>{Period(kNine, kNine + 600)});
}

TEST(SleepEvents, AReturnWithinTheSecondOfTheSleepIsNoSleep) {
  EXPECT_TRUE(Seen({Entry(true, kNine, "suspend", "700", 6, "b1", 100),
                    Entry(false, kNine, "suspend", "700", 6, "b1", 900000)})
                  .empty());
  // A second apart is one.
  EXPECT_EQ(Seen({Entry(true, kNine, "suspend", "700", 6, "b1", 900000),
                  Entry(false, kNine + 1, "suspend", "700", 6, "b1", 100)}),
            std::vector<TSeen>{Period(kNine, kNine + 1)});
}

TEST(SleepEvents, ASleepWithNoReturnDidNotWake) {
  EXPECT_EQ(Seen({Entry(true, kNine)}), std::vector<TSeen>{Asleep(kNine)});
  EXPECT_EQ(Seen({Entry(true, kNine, "suspend", "700"), Entry(true, kNine + 60, "suspend", "800")}),
            (std::vector<TSeen>{Asleep(kNine + 60), Asleep(kNine)}));
}

TEST(SleepEvents, AReturnWhoseStartIsNotInTheJournalIsLeftOut) {
  EXPECT_TRUE(Seen({Entry(false, kNine)}).empty());
  // Its process number again in a later boot is another process.
  EXPECT_EQ(Seen({Entry(true, kNine, "suspend", "700", 6, "b1"),
                  Entry(false, kNine + 86400, "suspend", "700", 6, "b2")}),
            std::vector<TSeen>{Asleep(kNine)});
}

TEST(SleepEvents, EntriesInAnyOrderNewestFirstOut) {
  std::vector<TSleepEntry> entries = {Entry(true, kNine, "suspend", "700"),
                                      Entry(false, kNine + 3600, "suspend", "700"),
                                      Entry(true, kNine + 3600, "hibernate", "900"),
                                      Entry(false, kNine + 7200, "hibernate", "900")};
  const std::vector<TSeen> expected = {Period(kNine + 3600, kNine + 7200, kHibernation),
                                       Period(kNine, kNine + 3600)};
  EXPECT_EQ(Seen(entries), expected);
  std::reverse(entries.begin(), entries.end());
  EXPECT_EQ(Seen(entries), expected);
}

TEST(SleepEvents, WithoutProcessNumbersAStartPairsWithTheNextReturn) {
  EXPECT_EQ(
      Seen({Entry(true, kNine, "suspend", ""), Entry(false, kNine + 60, "suspend", ""),
            Entry(true, kNine + 120, "suspend", ""), Entry(false, kNine + 180, "suspend", "")}),
      (std::vector<TSeen>{Period(kNine + 120, kNine + 180), Period(kNine, kNine + 60)}));
}

}  // namespace
