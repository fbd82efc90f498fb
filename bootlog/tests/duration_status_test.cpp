#include <gtest/gtest.h>

#include "bootlog/datetime.h"
#include "bootlog/duration.h"
#include "bootlog/status_texts.h"

namespace {

TEST(DurationText, Boundaries) {
  const std::pair<int32_t, const char*> cases[] = {
      {-5, ""},
      {0, ""},
      {1, ""},
      {2, "2 秒"},
      {60, "60 秒"},
      {61, "1 分1 秒"},
      {3600, "60 分"},
      {3601, "1 时1 秒"},
      {86400, "24 时"},
      {86401, "1 天1 秒"},
      {90061, "1 天1 时1 分1 秒"},
      {172800, "2 天"},
      {2147483647, "24855 天3 时14 分7 秒"},
  };
  for (const auto& [s, text] : cases) {
    EXPECT_EQ(DurationText(s), text) << s;
  }
}

TBootRecord Record(TDateTime start, TDateTime stop, int32_t run = 0) {
  TBootRecord r;
  r.StartTime = start;
  r.StopTime = stop;
  r.RunSeconds = run;
  return r;
}

TEST(StatusTexts, ThreeRecordExample) {
  const TBootTable table = {
      Record(EncodeDateTime(2009, 3, 10, 8, 0, 0), 0),
      Record(EncodeDateTime(2009, 3, 5, 8, 0, 0), 0),
      Record(EncodeDateTime(2009, 3, 1, 9, 0, 0), EncodeDateTime(2009, 3, 1, 19, 0, 0), 36000),
  };
  const auto panes = StatusTexts(table, 36000);
  EXPECT_EQ(panes[0], "记录数:3");
  EXPECT_EQ(panes[1], "天数:9");
  EXPECT_EQ(panes[2], "总计:10小时");
  EXPECT_EQ(panes[3], "平均:3(小时/次)");
}

TEST(StatusTexts, EmptyAndSingleRunning) {
  EXPECT_EQ(StatusTexts({}, 0),
            (std::array<std::string, 4>{"记录数:0", "天数:0", "总计:0小时", "平均:0(小时/次)"}));
  const TBootTable one = {Record(EncodeDateTime(2009, 3, 10, 8, 0, 0), 0)};
  EXPECT_EQ(StatusTexts(one, 0),
            (std::array<std::string, 4>{"记录数:1", "天数:1", "总计:0小时", "平均:0(小时/次)"}));
}

TEST(StatusTexts, TruncatesAndUsesStopOfOldestWithoutStart) {
  const TBootTable table = {
      Record(EncodeDateTime(2009, 3, 10, 8, 0, 0), 0),
      Record(0, EncodeDateTime(2009, 3, 7, 7, 0, 0)),
  };
  const auto panes = StatusTexts(table, 7199);
  EXPECT_EQ(panes[1], "天数:4");  // 3.04 days from the stop time
  EXPECT_EQ(panes[2], "总计:1小时");
  EXPECT_EQ(panes[3], "平均:0(小时/次)");
  EXPECT_EQ(StatusTexts(table, -7200)[2], "总计:-2小时");
}

TEST(StatusTexts, NewestWithoutStartUsesItsStop) {
  const TBootTable table = {
      Record(0, EncodeDateTime(2009, 3, 10, 8, 0, 0)),
      Record(EncodeDateTime(2009, 3, 1, 8, 0, 0), 0),
  };
  EXPECT_EQ(StatusTexts(table, 0)[1], "天数:10");
}

}  // namespace
