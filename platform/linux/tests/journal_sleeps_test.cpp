#include "platform/linux/journal_sleeps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

#include "bootlog/session_event.h"

namespace {

constexpr uint64_t kNine = 1714554000;  // 2024-05-01 09:00:00 UTC

TSleepEntry Entry(bool start, uint64_t seconds, const std::string& sleep = "suspend",
                  const std::string& pid = "700", int priority = 6, const std::string& boot = "b1",
                  uint64_t micro = 0) {
  return {seconds * 1000000 + micro, start, sleep, priority, boot, pid};
}

// What the reconstruction reads of a record.
struct TSeen {
  std::string Source;
  int Code;
  uint32_t Time;
  std::string SleepTime, WakeTime, State;
  bool operator==(const TSeen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TSeen& s) {
  return out << s.Source << " " << s.Code << " @" << s.Time << " " << s.SleepTime << " "
             << s.WakeTime << " " << s.State;
}

std::vector<TSeen> Seen(const std::vector<TSleepEntry>& entries) {
  std::vector<TSeen> seen;
  for (const TLogEvent& e : SleepEvents(entries)) {
    if (e.EventCode == kPowerSleep) {
      EXPECT_EQ(e.Strings.size(), kSleepTargetStateIndex + 1);
      seen.push_back({e.SourceName, e.EventCode, e.TimeGenerated, "", "",
                      e.Strings.at(kSleepTargetStateIndex)});
    } else {
      EXPECT_GT(e.Strings.size(), kWakeTargetStateIndex);
      seen.push_back({e.SourceName, e.EventCode, e.TimeGenerated, e.Strings.at(kWakeSleepTimeIndex),
                      e.Strings.at(kWakeWakeTimeIndex), e.Strings.at(kWakeTargetStateIndex)});
    }
  }
  return seen;
}

TSeen Wake(uint32_t time, const std::string& slept, const std::string& woke,
           const std::string& state = "4") {
  return {kPowerTroubleshooter, kPowerWake, time, slept, woke, state};
}
TSeen Sleep(uint32_t time, const std::string& state = "4") {
  return {kKernelPower, kPowerSleep, time, "", "", state};
}

TEST(SleepEvents, ASuspendAndItsReturnAsWindowsLogsThem) {
  EXPECT_EQ(Seen({Entry(true, kNine), Entry(false, kNine + 3600)}),
            (std::vector<TSeen>{
                Wake(kNine + 3600, "2024-05-01T09:00:00.0000000Z", "2024-05-01T10:00:00.0000000Z"),
                Sleep(kNine)}));
}

TEST(SleepEvents, HibernationIsStateFiveEveryOtherSleepFour) {
  for (const char* sleep : {"suspend", "hybrid-sleep", "suspend-then-hibernate", "hibernate"}) {
    const std::string state = std::string(sleep) == "hibernate" ? "5" : "4";
    const std::vector<TSeen> seen =
        Seen({Entry(true, kNine, sleep), Entry(false, kNine + 60, sleep)});
    ASSERT_EQ(seen.size(), 2u) << sleep;
    EXPECT_EQ(seen[0].State, state) << sleep;
    EXPECT_EQ(seen[1].State, state) << sleep;
  }
}

TEST(SleepEvents, OneProcessIsOneSleepFromItsFirstStartToItsLastReturn) {
  // suspend-then-hibernate: suspended at 9, woken at 11 only to hibernate.
  EXPECT_EQ(
      Seen({Entry(true, kNine, "suspend"), Entry(false, kNine + 7200, "suspend"),
            Entry(true, kNine + 7205, "hibernate"), Entry(false, kNine + 10800, "hibernate")}),
      (std::vector<TSeen>{
          Wake(kNine + 10800, "2024-05-01T09:00:00.0000000Z", "2024-05-01T12:00:00.0000000Z", "5"),
          Sleep(kNine, "5")}));
}

TEST(SleepEvents, FailedSleepsAreLeftOut) {
  // The kernel refused: the return is logged at LOG_ERR.
  EXPECT_TRUE(Seen({Entry(true, kNine), Entry(false, kNine + 2, "suspend", "700", 3)}).empty());
  // A warning counts as a failure too; the next sleep of another process stands.
  EXPECT_EQ(Seen({Entry(true, kNine), Entry(false, kNine + 2, "suspend", "700", 4),
                  Entry(true, kNine + 60, "suspend", "701"),
                  Entry(false, kNine + 120, "suspend", "701")}),
            (std::vector<TSeen>{
                Wake(kNine + 120, "2024-05-01T09:01:00.0000000Z", "2024-05-01T09:02:00.0000000Z"),
                Sleep(kNine + 60)}));
  // Suspended, then the hibernation after it failed: the suspend stands.
  EXPECT_EQ(Seen({Entry(true, kNine), Entry(false, kNine + 600), Entry(true, kNine + 601),
                  Entry(false, kNine + 602, "hibernate", "700", 3)}),
            (std::vector<TSeen>{
                Wake(kNine + 600, "2024-05-01T09:00:00.0000000Z", "2024-05-01T09:10:00.0000000Z"),
                Sleep(kNine)}));
}

TEST(SleepEvents, AReturnWithinTheSecondOfTheSleepIsNoSleep) {
  EXPECT_TRUE(Seen({Entry(true, kNine, "suspend", "700", 6, "b1", 100),
                    Entry(false, kNine, "suspend", "700", 6, "b1", 900000)})
                  .empty());
  // A second apart is one.
  EXPECT_EQ(Seen({Entry(true, kNine, "suspend", "700", 6, "b1", 900000),
                  Entry(false, kNine + 1, "suspend", "700", 6, "b1", 100)}),
            (std::vector<TSeen>{
                Wake(kNine + 1, "2024-05-01T09:00:00.9000000Z", "2024-05-01T09:00:01.0001000Z"),
                Sleep(kNine)}));
}

TEST(SleepEvents, ASleepWithNoReturnIsTheSleepAlone) {
  EXPECT_EQ(Seen({Entry(true, kNine)}), std::vector<TSeen>{Sleep(kNine)});
  EXPECT_EQ(Seen({Entry(true, kNine, "suspend", "700"), Entry(true, kNine + 60, "suspend", "800")}),
            (std::vector<TSeen>{Sleep(kNine + 60), Sleep(kNine)}));
}

TEST(SleepEvents, AReturnWhoseStartIsNotInTheJournalIsLeftOut) {
  EXPECT_TRUE(Seen({Entry(false, kNine)}).empty());
  // Its process number again in a later boot is another process.
  EXPECT_EQ(Seen({Entry(true, kNine, "suspend", "700", 6, "b1"),
                  Entry(false, kNine + 86400, "suspend", "700", 6, "b2")}),
            std::vector<TSeen>{Sleep(kNine)});
}

TEST(SleepEvents, EntriesInAnyOrderNewestFirstOut) {
  std::vector<TSleepEntry> entries = {Entry(true, kNine, "suspend", "700"),
                                      Entry(false, kNine + 3600, "suspend", "700"),
                                      Entry(true, kNine + 3600, "hibernate", "900"),
                                      Entry(false, kNine + 7200, "hibernate", "900")};
  const std::vector<TSeen> expected = {
      Wake(kNine + 7200, "2024-05-01T10:00:00.0000000Z", "2024-05-01T11:00:00.0000000Z", "5"),
      Sleep(kNine + 3600, "5"),
      Wake(kNine + 3600, "2024-05-01T09:00:00.0000000Z", "2024-05-01T10:00:00.0000000Z"),
      Sleep(kNine)};
  EXPECT_EQ(Seen(entries), expected);
  std::reverse(entries.begin(), entries.end());
  EXPECT_EQ(Seen(entries), expected);
}

TEST(SleepEvents, WithoutProcessNumbersAStartPairsWithTheNextReturn) {
  EXPECT_EQ(
      Seen({Entry(true, kNine, "suspend", ""), Entry(false, kNine + 60, "suspend", ""),
            Entry(true, kNine + 120, "suspend", ""), Entry(false, kNine + 180, "suspend", "")}),
      (std::vector<TSeen>{
          Wake(kNine + 180, "2024-05-01T09:02:00.0000000Z", "2024-05-01T09:03:00.0000000Z"),
          Sleep(kNine + 120),
          Wake(kNine + 60, "2024-05-01T09:00:00.0000000Z", "2024-05-01T09:01:00.0000000Z"),
          Sleep(kNine)}));
}

TEST(IsoUtcText, SevenFractionDigitsLikeWindows) {
  EXPECT_EQ(IsoUtcText(0), "1970-01-01T00:00:00.0000000Z");
  EXPECT_EQ(IsoUtcText(kNine * 1000000 + 123456), "2024-05-01T09:00:00.1234560Z");
  EXPECT_EQ(IsoUtcText(4294967295ull * 1000000 + 999999), "2106-02-07T06:28:15.9999990Z");
  EXPECT_EQ(IsoUtcText(951782400ull * 1000000), "2000-02-29T00:00:00.0000000Z");
  EXPECT_EQ(IsoUtcText(4107542400ull * 1000000), "2100-03-01T00:00:00.0000000Z");
}

TEST(IsoUtcText, TheDatesTheCLibraryGives) {
  for (uint64_t seconds = 0; seconds < (1ull << 33); seconds += 86399 * 7 + 13) {
    const time_t t = static_cast<time_t>(seconds);
    std::tm utc{};
    ASSERT_NE(gmtime_r(&t, &utc), nullptr);
    char expected[32];
    std::strftime(expected, sizeof expected, "%Y-%m-%dT%H:%M:%S", &utc);
    ASSERT_EQ(IsoUtcText(seconds * 1000000 + 42), std::string(expected) + ".0000420Z");
  }
}

}  // namespace
