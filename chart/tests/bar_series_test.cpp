#include <gtest/gtest.h>

#include <functional>

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
  EXPECT_EQ(s.PointAt(left + s.BarSize(), y), 1);
  EXPECT_EQ(s.PointAt(left - 1, y), -1);
  EXPECT_EQ(s.PointAt(left + s.BarSize() + 1, y), -1);
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
  s.SetBarPenVisible(false);
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
  EXPECT_EQ(f.Series().FirstVisibleIndex(), 0);
  EXPECT_EQ(f.Series().LastVisibleIndex(), 9);
  f.chart.BottomAxis().SetMinMax(2.5, 6.2);
  f.Paint();
  EXPECT_EQ(f.Series().FirstVisibleIndex(), 3);
  EXPECT_EQ(f.Series().LastVisibleIndex(), 6);
  f.chart.BottomAxis().SetMinMax(20, 30);
  f.Paint();
  EXPECT_EQ(f.Series().FirstVisibleIndex(), -1);
  EXPECT_TRUE(f.Series().DrawnBars().empty());
}

TEST(BarPainting, ClippedFillsMatchTheCanvasRectangle) {
  // The series paints its bars as clipped fills; they must equal what the
  // canvas's Rectangle gives under a clip region, for every shape.
  const gfx::TRect clip{10, 8, 50, 41};
  const gfx::TRect shapes[] = {{12, 10, 20, 30}, {5, 5, 15, 45},   {30, 40, 31, 60},
                               {40, 20, 60, 21}, {20, 25, 30, 25}, {8, 30, 9, 31},
                               {45, 2, 46, 50},  {11, 39, 48, 43}};
  for (bool pen : {true, false}) {
    for (const gfx::TRect& r : shapes) {
      gfx::TBitmap mine(64, 64, gfx::PixelOf(gfx::clWhite));
      gfx::TBitmap theirs = mine;
      TBarSeries series;
      series.SetBarPenVisible(pen);
      series.SetClipRect(clip);
      gfx::TCanvas a(mine);
      series.PaintBar(a, r, gfx::clGreen);
      gfx::TCanvas b(theirs);
      b.Pen = series.BarPen();
      b.Pen.Style = pen ? gfx::psSolid : gfx::psClear;
      b.Brush = {gfx::clGreen, gfx::bsSolid};
      b.PushClipRect(clip);
      TBarSeries::BarRectangle(b, r.Left, r.Top, r.Right, r.Bottom);
      EXPECT_TRUE(mine == theirs) << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom
                                  << " pen " << pen;
    }
  }
}

TEST(BarPainting, LeavingOutHiddenBarsChangesNoPixel) {
  for (int n : {30, 700, 5000}) {
    ChartFixture f(300, 200);
    std::vector<double> hours;
    for (int i = 0; i < n; ++i) {
      hours.push_back((i * 7919) % 23 * 0.5);  // zero bars included
    }
    f.AddHours(hours);
    gfx::TBitmap skipped = f.Paint();
    f.Series().SetSkipHiddenBars(false);
    EXPECT_TRUE(skipped == f.Paint()) << n;
    EXPECT_EQ(f.Series().DrawnBars().size(), static_cast<size_t>(n));
  }
}

TEST(BarProperties, EveryChangeAsksForARepaint) {
  ChartFixture f;
  f.AddHours({4, 8});
  TBarSeries& s = f.Series();
  std::vector<std::function<void()>> changes = {
      [&] { s.SetBarWidthPercent(50); },
      [&] { s.SetOffsetPercent(10); },
      [&] { s.SetCustomBarWidth(9); },
      [&] { s.SetBarStyle(bsRectangle); },
      [&] { s.SetMultiBar(mbNone); },
      [&] { s.SetSideMargins(false); },
      [&] { s.SetUseYOrigin(false); },
      [&] { s.SetYOrigin(1); },
      [&] {
        s.SetBarPen({gfx::clRed, 1, gfx::psSolid, gfx::pmCopy});
      },
      [&] { s.SetBarPenVisible(false); },
      [&] { s.SetColorEachPoint(false); },
      [&] { s.Marks().SetStyle(smsValue); },
  };
  for (size_t i = 0; i < changes.size(); ++i) {
    f.Paint();
    ASSERT_FALSE(f.chart.IsImageStale());
    changes[i]();
    EXPECT_TRUE(f.chart.IsImageStale()) << "change " << i;
    EXPECT_TRUE(f.Invalidated()) << "change " << i;
  }
  gfx::TBitmap before = f.Paint();
  s.SetBarPen({gfx::clRed, 1, gfx::psSolid, gfx::pmCopy});
  s.SetBarPenVisible(true);
  EXPECT_FALSE(f.Paint() == before);  // the red outlines show
}
