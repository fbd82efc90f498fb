#include "bootlog/complete.h"

#include <gtest/gtest.h>

#include "bootlog/convert_time.h"
#include "bootlog/date_format.h"

namespace {

const RegionalFormats kChinese;

TBootRecord Record(TDateTime start, TDateTime stop, const char* user = "") {
  TBootRecord r;
  r.StartTime = start;
  r.StopTime = stop;
  r.UserName = user;
  return r;
}

TEST(CompleteBootTable, StatesMarkersAndColumns) {
  const TDateTime t1 = EncodeDateTime(2009, 3, 1, 9, 0, 0);
  const TDateTime t2 = EncodeDateTime(2009, 3, 1, 19, 0, 0);
  const TDateTime t3 = EncodeDateTime(2009, 3, 5, 0, 0, 0);
  const TDateTime t5 = EncodeDateTime(2009, 3, 10, 8, 0, 0);
  TBootTable table = {Record(t5, 0, "B"), Record(t3, 0, "B"), Record(t1, t2, "A"), Record(0, t2),
                      Record(0, 0, "trimmed")};
  const TBootCompletion c = CompleteBootTable(table, kChinese);
  ASSERT_EQ(table.size(), 4u);
  ASSERT_EQ(c.Rows.size(), 4u);
  using Cols = std::array<std::string, 5>;
  EXPECT_EQ(c.Rows[0].Columns, (Cols{"2009/3/10 8:00:00", "", "", "B", "正常,运行中..."}));
  EXPECT_EQ(c.Rows[1].Columns, (Cols{"2009/3/5", "", "", "B", "非正常关机"}));
  EXPECT_EQ(c.Rows[2].Columns,
            (Cols{"2009/3/1 9:00:00", "2009/3/1 19:00:00", "10 时", "A", "正常关机"}));
  EXPECT_EQ(c.Rows[3].Columns, (Cols{"", "2009/3/1 19:00:00", "", "", "无开机记录"}));
  EXPECT_EQ(c.Rows[0].StateImage, 0);
  EXPECT_EQ(c.Rows[1].StateImage, 1);
  EXPECT_EQ(c.Rows[2].StateImage, 0);
  EXPECT_EQ(c.Rows[3].StateImage, 1);
  // Ten hours are not exact in binary; the product comes out a hair short of 36000.
  EXPECT_EQ(table[2].RunSeconds, 36000);
  EXPECT_EQ(table[2].StateText, "正常关机");
  EXPECT_EQ(c.TotalSeconds, 36000);
}

TEST(CompleteBootTable, StopsBySleepAndHibernationHaveTheirOwnTextsAndTheGreenMarker) {
  const TDateTime t = EncodeDateTime(2020, 12, 6, 9, 0, 0), hour = 1.0 / 24;
  TBootTable table = {Record(t + 5 * hour, t + 6 * hour), Record(t + 3 * hour, t + 4 * hour),
                      Record(t + hour, t + 2 * hour), Record(t, 0), Record(0, t)};
  table[0].StopKind = TStopKind::Sleep;
  table[1].StopKind = TStopKind::Hibernation;
  table[2].StopKind = TStopKind::Shutdown;
  // Without both times the stop's kind plays no part.
  table[3].StopKind = TStopKind::Sleep;
  table[4].StopKind = TStopKind::Hibernation;
  const TBootCompletion c = CompleteBootTable(table, kChinese);
  ASSERT_EQ(c.Rows.size(), 5u);
  const char* const texts[] = {"睡眠", "休眠", "正常关机", "非正常关机", "无开机记录"};
  const int images[] = {0, 0, 0, 1, 1};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(c.Rows[i].Columns[4], texts[i]) << i;
    EXPECT_EQ(table[i].StateText, texts[i]) << i;
    EXPECT_EQ(c.Rows[i].StateImage, images[i]) << i;
  }
  EXPECT_EQ(c.Rows[0].Columns[2], "60 分");
  EXPECT_EQ(c.TotalSeconds, 3 * 3600);

  TBootTable running = {Record(t, 0)};
  running[0].StopKind = TStopKind::Sleep;
  EXPECT_EQ(CompleteBootTable(running, kChinese).Rows[0].Columns[4], "正常,运行中...");
}

TEST(CompleteBootTable, TrimsOnlyOneTrailingRecord) {
  TBootTable table = {Record(0, 0, "a"), Record(0, 0, "b"), Record(0, 0, "c")};
  const TBootCompletion c = CompleteBootTable(table, kChinese);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(c.Rows[0].Columns[4], "正常,运行中...");
  EXPECT_EQ(c.Rows[1].Columns[4], "无开机记录");

  TBootTable onlyUser = {Record(0, 0, "u")};
  EXPECT_TRUE(CompleteBootTable(onlyUser, kChinese).Rows.empty());
  EXPECT_TRUE(onlyUser.empty());

  TBootTable empty;
  EXPECT_EQ(CompleteBootTable(empty, kChinese).TotalSeconds, 0);
}

TEST(CompleteBootTable, NewestWithStopOnlyIsRunning) {
  TBootTable table = {Record(0, EncodeDateTime(2009, 3, 1, 9, 0, 0))};
  const TBootCompletion c = CompleteBootTable(table, kChinese);
  EXPECT_EQ(c.Rows[0].Columns[4], "正常,运行中...");
  EXPECT_EQ(c.Rows[0].StateImage, 0);
  EXPECT_EQ(table[0].RunSeconds, 0);
}

TEST(CompleteBootTable, ShortCleanRunsShowNoDuration) {
  const TDateTime t = EncodeDateTime(2009, 3, 1, 9, 0, 0);
  TBootTable table = {Record(t, t), Record(t, t + 1.0 / 86400)};
  const TBootCompletion c = CompleteBootTable(table, kChinese);
  EXPECT_EQ(c.Rows[0].Columns[2], "");
  EXPECT_EQ(c.Rows[1].Columns[2], "");
  EXPECT_EQ(c.Rows[1].Columns[4], "正常关机");
}

TEST(SecondsBetween, AbsoluteAndRoundedToWholeSeconds) {
  const TDateTime a = EncodeDateTime(2009, 3, 1, 9, 0, 0);
  const TDateTime b = EncodeDateTime(2009, 3, 1, 21, 0, 0);
  EXPECT_EQ(SecondsBetween(b, a), 43200);
  EXPECT_EQ(SecondsBetween(a, b), 43200);
  EXPECT_EQ(SecondsBetween(a, EncodeDateTime(2009, 3, 1, 9, 0, 2)), 2);
  EXPECT_EQ(SecondsBetween(a, EncodeDateTime(2009, 3, 2, 10, 1, 1)), 90061);
  EXPECT_EQ(SecondsBetween(a, a + 1.4 / 86400), 1);
  EXPECT_EQ(SecondsBetween(a, a + 1.6 / 86400), 2);
  // Spans beyond 32 bits keep the low 32 bits.
  EXPECT_EQ(SecondsBetween(0, 50000.0), static_cast<int32_t>(uint32_t(int64_t(50000) * 86400)));
  EXPECT_EQ(SecondsBetween(0, 1e300), 0);
}

TEST(SecondsBetween, EventTimesGiveTheirExactSpan) {
  // Times as the log conversion makes them; many of these spans used to lose a second.
  const uint32_t start = 1236182400;
  int wrong = 0;
  for (uint32_t span = 0; span < 400000; span += 997) {
    const TDateTime from = ConvertEventTime(start + span / 3, kChinese);
    const TDateTime to = ConvertEventTime(start + span / 3 + span, kChinese);
    wrong += SecondsBetween(to, from) != static_cast<int32_t>(span);
  }
  EXPECT_EQ(wrong, 0);
}

TEST(CompleteBootTable, DurationOfAWholeSecondSpan) {
  const TDateTime start = ConvertEventTime(1236182400, kChinese);
  TBootTable table = {Record(start, ConvertEventTime(1236182400 + 90061, kChinese))};
  const TBootCompletion c = CompleteBootTable(table, kChinese);
  EXPECT_EQ(c.Rows[0].Columns[2], "1 天1 时1 分1 秒");
  EXPECT_EQ(c.TotalSeconds, 90061);
}

}  // namespace
