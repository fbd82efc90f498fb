#include <gtest/gtest.h>

#include "chart_fixture.h"

using gfx::TRect;

TEST(ChartLayout, PlotRectFromBevelAndPercentMarginsAtDesignSize) {
  ChartFixture f;
  EXPECT_EQ(f.chart.CalcMarginRect(), (TRect{21, 14, 648, 314}));
  f.Paint();
  EXPECT_EQ(f.chart.MarginRect(), (TRect{21, 14, 648, 314}));
}

TEST(ChartLayout, AxesTakeTitleLabelsAndTickRoom) {
  ChartFixture f;
  f.AddHours({10, 20});
  f.Paint();
  int h = f.FontHeight();
  // The left labels run 0..20 in whole steps; the widest is "20" plus a space.
  int labels = f.TextWidth("20") + f.TextWidth(" ");
  EXPECT_EQ(f.chart.PlotRect(), (TRect{21 + h + labels + 7, 14, 648, 314 - h - 7}));
  const TChartAxis& left = f.chart.LeftAxis();
  EXPECT_EQ(left.TitlePixel, 21 + h);
  EXPECT_EQ(left.LabelsPixel, 21 + h + labels);
  EXPECT_EQ(left.AxisPixel, f.chart.PlotRect().Left);
  const TChartAxis& bottom = f.chart.BottomAxis();
  EXPECT_EQ(bottom.LabelsPixel, 314 - h);
  EXPECT_EQ(bottom.AxisPixel, f.chart.PlotRect().Bottom);
  EXPECT_EQ(left.LabelStep, 1);
}

TEST(ChartLayout, OnlyTheSeriesAxesAreShown) {
  ChartFixture f;
  f.Paint();  // also while the series is empty
  EXPECT_TRUE(f.chart.BottomAxis().Shown);
  EXPECT_TRUE(f.chart.LeftAxis().Shown);
  EXPECT_FALSE(f.chart.TopAxis().Shown);
  EXPECT_FALSE(f.chart.RightAxis().Shown);
  f.Series().Active = false;
  f.chart.Repaint();
  f.Paint();  // no active series: every axis passes
  EXPECT_TRUE(f.chart.TopAxis().Shown);
  EXPECT_TRUE(f.chart.RightAxis().Shown);
  EXPECT_FALSE(f.chart.Axes()[4]->Shown);  // depth axes only in 3-D
}

TEST(ChartLayout, PlotRectIsNormalised) {
  ChartFixture f(100, 80);
  f.chart.SetPlotRect({-5, -3, -10, 0});
  EXPECT_EQ(f.chart.PlotRect(), (TRect{0, 0, 1, 80}));
  f.chart.SetPlotRect({10, 10, 10, 5});
  EXPECT_EQ(f.chart.PlotRect(), (TRect{10, 10, 110, 11}));
}

TEST(ChartLayout, TinyControlDropsTheReductionThatLeavesNoRoom) {
  ChartFixture f(30, 20);
  f.AddHours({5, 6});
  f.Paint();
  const TRect& plot = f.chart.PlotRect();
  EXPECT_FALSE(plot.IsEmpty());
  EXPECT_GE(plot.Left, 0);
  EXPECT_EQ(f.chart.MarginRect(), (TRect{1, 1, 29, 19}));
}

TEST(BarSize, SeventyPercentOfTheSlotRoundedAndEven) {
  ChartFixture f;
  f.AddHours({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  TBarSeries& s = f.Series();
  s.PrepareBars();
  EXPECT_EQ(s.MaxBarPoints, 11);
  EXPECT_EQ(s.OrderPosition, 1);
  EXPECT_EQ(s.BarCount, 1);
  f.chart.BottomAxis().PixelSize = 600;  // slot 54: 37.8 -> 38
  int32_t left = 0, right = 0;
  s.BarMargin(left, right);
  EXPECT_EQ(s.BarSize, 38);
  EXPECT_EQ(left, 38);
  EXPECT_EQ(right, 38);
  f.chart.BottomAxis().PixelSize = 550;  // slot 50: 35 -> 36
  s.BarMargin(left, right);
  EXPECT_EQ(s.BarSize, 36);
  s.SideMargins = false;
  s.PrepareBars();  // 10 slots of 60: 42, margin halved
  f.chart.BottomAxis().PixelSize = 600;
  s.BarMargin(left, right);
  EXPECT_EQ(s.MaxBarPoints, 10);
  EXPECT_EQ(s.BarSize, 42);
  EXPECT_EQ(left, 21);
  s.CustomBarWidth = 7;
  s.BarMargin(left, right);
  EXPECT_EQ(s.BarSize, 7);
}

TEST(BarSize, EmptySeriesAsksForNothing) {
  ChartFixture f;
  TBarSeries& s = f.Series();
  s.PrepareBars();
  EXPECT_EQ(s.MaxBarPoints, 0);
  int32_t left = 1, right = 1;
  f.chart.BottomAxis().PixelSize = 600;
  s.BarMargin(left, right);
  EXPECT_EQ(s.BarSize, 0);
  EXPECT_EQ(left, 0);
  EXPECT_EQ(right, 0);
}

TEST(BarPlacement, BarsCentredOnTheirXWithMarginsAtBothEnds) {
  ChartFixture f;
  f.AddHours({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  f.Paint();
  TBarSeries& s = f.Series();
  const TChartAxis& bottom = f.chart.BottomAxis();
  ASSERT_EQ(s.DrawnBars().size(), 10u);
  // The bar slots: axis length div 11, 70 % of it, even.
  int slot = bottom.PixelSize / 11;
  int size = static_cast<int>(std::nearbyint(0.7 * slot));
  size += size % 2;
  EXPECT_EQ(s.BarSize, size);
  for (const TDrawnBar& bar : s.DrawnBars()) {
    int x = bottom.ValueToPixel(bar.Index);
    EXPECT_EQ(bar.Bounds.Left, x - size / 2);
    EXPECT_EQ(bar.Bounds.Width(), size + 1);
    EXPECT_EQ(bar.Bounds.Bottom, f.chart.LeftAxis().ValueToPixel(0));
  }
  // The first bar's left edge keeps `size` pixels from the axis start.
  EXPECT_NEAR(bottom.ValueToPixel(0), bottom.FirstPixel + size, 1);
  EXPECT_NEAR(bottom.ValueToPixel(9), bottom.LastPixel - size, 1);
  // The highest bar reaches the top of the plot area.
  EXPECT_EQ(s.DrawnBars().back().Bounds.Top, f.chart.PlotRect().Top);
  EXPECT_EQ(s.DrawnBars().back().Bounds.Bottom, f.chart.PlotRect().Bottom);
}

TEST(BarPlacement, OneRecordIsCentred) {
  ChartFixture f;
  f.AddHours({7.25});
  f.Paint();
  const TChartAxis& bottom = f.chart.BottomAxis();
  EXPECT_TRUE(bottom.RangeIsZero);
  ASSERT_EQ(bottom.DrawnLabels.size(), 1u);
  EXPECT_EQ(bottom.DrawnLabels[0].Pixel, bottom.CenterPixel);
  EXPECT_EQ(bottom.DrawnLabels[0].Text, "2024-03-01");
  const TBarSeries& s = f.Series();
  ASSERT_EQ(s.DrawnBars().size(), 1u);
  EXPECT_EQ(s.DrawnBars()[0].Bounds.Left, bottom.CenterPixel - s.BarSize / 2);
  EXPECT_EQ(f.chart.LeftAxis().CurrentMin, 0);
  EXPECT_EQ(f.chart.LeftAxis().CurrentMax, 7.25);
}

TEST(Repaint, KeptImageReusedUntilARequest) {
  ChartFixture f;
  f.AddHours({1, 2});
  f.Paint();
  int64_t redraws = f.chart.RedrawCount();
  gfx::TBitmap screen(669, 328);
  gfx::TCanvas canvas(screen);
  f.chart.Paint(canvas);
  EXPECT_EQ(f.chart.RedrawCount(), redraws);  // copy only
  EXPECT_EQ(screen.At(300, 100), f.chart.Image().At(300, 100));
  f.chart.SetSize(500, 300);
  EXPECT_TRUE(f.chart.IsImageStale());
  f.chart.Paint(canvas);
  EXPECT_EQ(f.chart.RedrawCount(), redraws + 1);
  EXPECT_EQ(f.chart.Image().Width(), 501);
  EXPECT_EQ(f.chart.Image().Height(), 301);
  f.Series().Add(3, "x");
  f.chart.Paint(canvas);
  EXPECT_EQ(f.chart.RedrawCount(), redraws + 2);
}

namespace {
// Asks for a repaint from inside the paint, as a series change would.
struct RepaintingTool : TChartTool {
  void ChartPaintStart() override {
    ParentChart()->Repaint();
    ParentChart()->Series(0).Add(9, "late");
  }
};
}  // namespace

TEST(Repaint, RequestsDuringAPaintAreIgnored) {
  ChartFixture f;
  f.AddHours({1, 2});
  f.chart.AddTool(std::make_unique<RepaintingTool>());
  int invalidations = 0;
  f.chart.OnInvalidate = [&] { ++invalidations; };
  f.Paint();
  EXPECT_FALSE(f.chart.IsImageStale());
  EXPECT_EQ(invalidations, 0);
  EXPECT_TRUE(f.chart.AutoRepaint);  // restored after the paint
  f.Series().Add(4);
  EXPECT_EQ(invalidations, 1);
}
