#include <gtest/gtest.h>

#include "bootlog/convert_time.h"
#include "bootlog/fixture_source.h"
#include "bootlog/reconstruct.h"
#include "bootlog/windows_sessions.h"

namespace {

const RegionalFormats kChinese;

TLogEvent Event(uint16_t code, uint32_t time, const char* user = nullptr) {
  TLogEvent e;
  e.EventCode = code;
  e.TimeGenerated = time;
  e.HasUserSid = user != nullptr;
  if (user) {
    e.UserSid = user;
  }
  return e;
}

TBootTable Read(std::vector<TLogEvent> events) {
  WindowsSessionSource source(std::make_unique<ListedEventSource>(std::move(events)));
  TBootTable table;
  ReadBootEvents(source, kChinese, table);
  return table;
}

TDateTime T(uint32_t seconds) {
  return ConvertEventTime(seconds, kChinese);
}

// Counts the calls so that the lookup-before-convert order can be checked.
class CountingSource : public ListedEventSource {
 public:
  using ListedEventSource::ListedEventSource;
  bool open = true;
  int lookups = 0;
  bool OpenSystemLog() override { return open && ListedEventSource::OpenSystemLog(); }
  std::string LookupUserName(const TLogEvent& e) override {
    ++lookups;
    return ListedEventSource::LookupUserName(e);
  }
};

TEST(ReadBootEvents, WorkedExample) {
  const uint32_t t1 = 1000000, t2 = t1 + 7200, t3 = t2 + 3600, t5 = t3 + 86400;
  const TBootTable table = Read({
      Event(7035, t5 + 60, "B"),
      Event(6005, t5),
      Event(7035, t3 + 120, "B"),
      Event(7035, t3 + 60, "SYSTEM"),
      Event(6005, t3),
      Event(6006, t2),
      Event(7035, t1 + 300, "A"),
      Event(6005, t1),
  });
  ASSERT_EQ(table.size(), 3u);
  EXPECT_DOUBLE_EQ(table[0].StartTime, T(t5));
  EXPECT_EQ(table[0].StopTime, 0.0);
  EXPECT_EQ(table[0].UserName, "B");
  EXPECT_DOUBLE_EQ(table[1].StartTime, T(t3));
  EXPECT_EQ(table[1].StopTime, 0.0);
  EXPECT_EQ(table[1].UserName, "B");
  EXPECT_DOUBLE_EQ(table[2].StartTime, T(t1));
  EXPECT_DOUBLE_EQ(table[2].StopTime, T(t2));
  EXPECT_EQ(table[2].UserName, "A");
  for (const TBootRecord& r : table) {
    EXPECT_EQ(r.RunSeconds, 0);
    EXPECT_TRUE(r.StateText.empty());
  }
}

TEST(ReadBootEvents, RepeatedStartsAndStopsOpenRecords) {
  const TBootTable starts = Read({Event(6005, 5000), Event(6005, 3000)});
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_DOUBLE_EQ(starts[1].StartTime, T(3000));

  const TBootTable stops = Read({Event(6006, 5000), Event(6006, 3000)});
  ASSERT_EQ(stops.size(), 2u);
  EXPECT_DOUBLE_EQ(stops[0].StopTime, T(5000));
  EXPECT_DOUBLE_EQ(stops[1].StopTime, T(3000));
}

TEST(ReadBootEvents, UserEventsPairByTime) {
  // Same time as the start: no new record; older than the start: a new one.
  const TBootTable same = Read({Event(6005, 5000), Event(7035, 5000, "u")});
  ASSERT_EQ(same.size(), 1u);
  EXPECT_EQ(same[0].UserName, "u");

  const TBootTable older = Read({Event(6005, 5000), Event(7035, 4999, "u")});
  ASSERT_EQ(older.size(), 2u);
  EXPECT_EQ(older[0].UserName, "");
  EXPECT_EQ(older[1].UserName, "u");

  // Several users in one boot: the oldest one stays.
  const TBootTable many =
      Read({Event(7035, 60, "late"), Event(7035, 50, "early"), Event(6005, 40)});
  ASSERT_EQ(many.size(), 1u);
  EXPECT_EQ(many[0].UserName, "early");
}

TEST(ReadBootEvents, ServiceAccountsAreIgnoredWithoutConversion) {
  CountingSource source({Event(7035, 10, "N/A"), Event(7035, 10, "MYSYSTEMUSER"),
                         Event(7035, 10, "LOCAL SERVICE"), Event(7035, 10),
                         Event(7035, 10, "system")});
  TBootTable table;
  // A format that cannot be read back makes any conversion throw.
  RegionalFormats broken;
  broken.ShortDate = "yyyyMd";
  WindowsSessionSource sessions(source);
  EXPECT_THROW(ReadBootEvents(sessions, broken, table), EConvertError);
  EXPECT_EQ(source.lookups, 5);  // only the lower-case "system" reached the conversion
  EXPECT_TRUE(table.empty());

  const TBootTable network = Read({Event(7035, 10, "NETWORK SERVICE")});
  ASSERT_EQ(network.size(), 1u);
  EXPECT_EQ(network[0].UserName, "NETWORK SERVICE");
}

TEST(ReadBootEvents, OnlyTheLowSixteenBitsOfTheCodeCount) {
  ListedEventSource source = FixtureEventSource::FromText(
      "1073747829 5000\n2147489653 3000\n1 2000\n7036 1000 x\n", "log");
  WindowsSessionSource sessions(source);
  TBootTable table;
  ReadBootEvents(sessions, kChinese, table);
  ASSERT_EQ(table.size(), 2u);  // 0x40001775 = 6005, 0x80001775 = 6005
}

TEST(ReadBootEvents, ClosedLogLeavesTheTableEmpty) {
  TBootTable table(3);
  CountingSource source({Event(6005, 10)});
  source.open = false;
  WindowsSessionSource sessions(source);
  ReadBootEvents(sessions, kChinese, table);
  EXPECT_TRUE(table.empty());
}

TEST(ReadBootEvents, ConversionErrorKeepsWhatWasGathered) {
  // With digits run together "20091125 10:00:00" reads back, "197011 8:00:00" does not.
  RegionalFormats runTogether;
  runTogether.ShortDate = "yyyyMd";
  const uint32_t nov25 = uint32_t((EncodeDate(2009, 11, 25) - 25569) * 86400 + 2 * 3600);
  WindowsSessionSource source(std::make_unique<ListedEventSource>(
      std::vector<TLogEvent>{Event(6006, nov25), Event(6005, 0), Event(6005, 10)}));
  TBootTable table;
  EXPECT_THROW(ReadBootEvents(source, runTogether, table), EConvertError);
  ASSERT_EQ(table.size(), 1u);
  EXPECT_DOUBLE_EQ(table[0].StopTime, EncodeDateTime(2009, 11, 25, 10, 0, 0));
  EXPECT_EQ(table[0].StartTime, 0.0);
}

}  // namespace
