#include <gtest/gtest.h>

#include "bootlog/datetime.h"
#include "chart_fixture.h"

namespace {
TBootRecord Record(TDateTime start, int32_t seconds) {
  TBootRecord r;
  r.StartTime = start;
  r.StopTime = start > 0 ? start + seconds / 86400.0 : 0;
  r.RunSeconds = seconds;
  return r;
}
}  // namespace

TEST(FillBootChart, OneBarPerStartedBootOldestFirst) {
  ChartFixture f;
  TBootTable table = {
      Record(EncodeDateTime(2024, 3, 6, 8, 0, 0), 0),       // running
      Record(EncodeDateTime(2024, 3, 5, 20, 30, 0), 5400),  // same day as the next
      Record(EncodeDateTime(2024, 3, 5, 9, 0, 0), 36000),
      Record(0, 0),  // stop without start: no bar
      Record(EncodeDateTime(2009, 3, 10, 0, 0, 0), 26100),
  };
  FillBootChart(f.chart, table);
  TBarSeries& s = f.Series();
  ASSERT_EQ(s.Count(), 4);
  EXPECT_EQ(s.PointLabel(0), "2009-03-10");
  EXPECT_EQ(s.YValue(0), 7.25);
  EXPECT_EQ(s.PointLabel(1), "2024-03-05");
  EXPECT_EQ(s.YValue(1), 10.0);
  EXPECT_EQ(s.PointLabel(2), "2024-03-05");
  EXPECT_EQ(s.YValue(2), 1.5);
  EXPECT_EQ(s.PointLabel(3), "2024-03-06");
  EXPECT_EQ(s.YValue(3), 0);
  EXPECT_EQ(s.XValue(3), 3);
  EXPECT_FALSE(s.HasColorList());
  EXPECT_EQ(s.PointColor(3), gfx::clBlue);
}

TEST(FillBootChart, EmptyTableClearsTheSeries) {
  ChartFixture f;
  f.AddHours({1, 2, 3});
  FillBootChart(f.chart, {});
  EXPECT_EQ(f.Series().Count(), 0);
  EXPECT_TRUE(f.chart.IsImageStale());
}
