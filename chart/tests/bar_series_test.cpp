#include <gtest/gtest.h>

#include "chart_fixture.h"

TEST(BarHitTest, AllFourEdgesCountAsInside) {
  ChartFixture f;
  f.AddHours({4, 8, 2});
  f.Paint();
  TBarSeries& s = f.Series();
  int left = s.PointXPos(1);
  int top = s.PointYPos(1);
  int origin = s.OriginPos(1);
  int y = (top + origin) / 2;
  EXPECT_EQ(s.PointAt(left, y), 1);
  EXPECT_EQ(s.PointAt(left + s.BarSize, y), 1);
  EXPECT_EQ(s.PointAt(left - 1, y), -1);
  EXPECT_EQ(s.PointAt(left + s.BarSize + 1, y), -1);
  EXPECT_EQ(s.PointAt(left + 1, top), 1);
  EXPECT_EQ(s.PointAt(left + 1, top - 1), -1);
  EXPECT_EQ(s.PointAt(left + 1, origin), 1);
  EXPECT_EQ(s.PointAt(left + 1, origin + 1), -1);
  EXPECT_TRUE(s.BarContains(0, s.PointXPos(0), origin));
  EXPECT_FALSE(s.BarContains(0, s.PointXPos(0), s.PointYPos(0) - 1));
}

TEST(BarHitTest, EmptySeriesHitsNothing) {
  ChartFixture f;
  f.Paint();
  for (int x = 0; x < 669; x += 7) {
    for (int y = 0; y < 328; y += 7) {
      ASSERT_EQ(f.Series().PointAt(x, y), -1);
    }
  }
}

TEST(BarHitTest, ZeroHoursIsALineOnTheOriginThatCanBeHit) {
  ChartFixture f;
  f.AddHours({5, 0, 5});
  f.Paint();
  TBarSeries& s = f.Series();
  int origin = s.OriginPos(1);
  EXPECT_EQ(s.PointYPos(1), origin);
  EXPECT_EQ(s.PointAt(s.PointXPos(1) + 2, origin), 1);
  EXPECT_EQ(s.PointAt(s.PointXPos(1) + 2, origin - 1), -1);
  const TDrawnBar& bar = s.DrawnBars()[1];
  EXPECT_EQ(bar.Bounds.Top, bar.Bounds.Bottom);
}

TEST(BarBounds, InvisiblePenWidensTheBar) {
  ChartFixture f;
  f.AddHours({5, 3});
  f.Paint();
  TBarSeries& s = f.Series();
  gfx::TRect with = s.BarBounds(0);
  s.BarPenVisible = false;
  gfx::TRect without = s.BarBounds(0);
  EXPECT_EQ(without.Right, with.Right + 1);
  EXPECT_EQ(without.Bottom, with.Bottom + 1);
  EXPECT_EQ(without.Top, with.Top);
  EXPECT_EQ(without.Left, with.Left);
}

TEST(VisibleRange, AllPointsWhileUnzoomedAndOnlyTheWindowWhenFixed) {
  ChartFixture f;
  f.AddHours({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  f.Paint();
  EXPECT_EQ(f.Series().FirstVisibleIndex, 0);
  EXPECT_EQ(f.Series().LastVisibleIndex, 9);
  f.chart.SetMinMax(f.chart.BottomAxis(), 2.5, 6.2);
  f.Paint();
  EXPECT_EQ(f.Series().FirstVisibleIndex, 3);
  EXPECT_EQ(f.Series().LastVisibleIndex, 6);
  f.chart.SetMinMax(f.chart.BottomAxis(), 20, 30);
  f.Paint();
  EXPECT_EQ(f.Series().FirstVisibleIndex, -1);
  EXPECT_TRUE(f.Series().DrawnBars().empty());
}
