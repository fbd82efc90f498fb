#include <gtest/gtest.h>

#include <cmath>
#include "bootlog/complete.h"

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
            (Cols{"2009/3/1 9:00:00", "2009/3/1 19:00:00", "9 时59 分59 秒", "A", "正常关机"}));
  EXPECT_EQ(c.Rows[3].Columns, (Cols{"", "2009/3/1 19:00:00", "", "", "无开机记录"}));
  EXPECT_EQ(c.Rows[0].StateImage, 0);
  EXPECT_EQ(c.Rows[1].StateImage, 1);
  EXPECT_EQ(c.Rows[2].StateImage, 0);
  EXPECT_EQ(c.Rows[3].StateImage, 1);
  // Ten hours are not exact in binary: the product truncates one second away.
  EXPECT_EQ(table[2].RunSeconds, 35999);
  EXPECT_EQ(table[2].StateText, "正常关机");
  EXPECT_EQ(c.TotalSeconds, 35999);
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

TEST(SecondsBetween, AbsoluteAndTruncated) {
  const TDateTime a = EncodeDateTime(2009, 3, 1, 9, 0, 0);
  const TDateTime b = EncodeDateTime(2009, 3, 1, 21, 0, 0);
  EXPECT_EQ(SecondsBetween(b, a), 43200);
  EXPECT_EQ(SecondsBetween(a, b), 43200);
  // The product is truncated, not rounded: two seconds come out a hair short.
  EXPECT_EQ(SecondsBetween(a, EncodeDateTime(2009, 3, 1, 9, 0, 2)), 1);
  // Spans beyond 32 bits keep the low 32 bits.
  EXPECT_EQ(SecondsBetween(0, 50000.0), static_cast<int32_t>(uint32_t(int64_t(50000.0 * 86400.0))));
}

}  // namespace
