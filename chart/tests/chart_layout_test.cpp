#include <gtest/gtest.h>

#include <stdexcept>

#include "chart_fixture.h"
#include "failing_engine.h"

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
  EXPECT_EQ(left.TitlePixel(), 21 + h);
  EXPECT_EQ(left.LabelsPixel(), 21 + h + labels);
  EXPECT_EQ(left.AxisPixel(), f.chart.PlotRect().Left);
  const TChartAxis& bottom = f.chart.BottomAxis();
  EXPECT_EQ(bottom.LabelsPixel(), 314 - h);
  EXPECT_EQ(bottom.AxisPixel(), f.chart.PlotRect().Bottom);
  EXPECT_EQ(left.LabelStep(), 1);
}

TEST(ChartLayout, OnlyTheSeriesAxesAreShown) {
  ChartFixture f;
  f.Paint();  // also while the series is empty
  EXPECT_TRUE(f.chart.BottomAxis().Shown());
  EXPECT_TRUE(f.chart.LeftAxis().Shown());
  EXPECT_FALSE(f.chart.TopAxis().Shown());
  EXPECT_FALSE(f.chart.RightAxis().Shown());
  f.Series().SetActive(false);
  f.Paint();  // no active series: every axis passes
  EXPECT_TRUE(f.chart.TopAxis().Shown());
  EXPECT_TRUE(f.chart.RightAxis().Shown());
  EXPECT_FALSE(f.chart.Axes()[4]->Shown());  // depth axes only in 3-D
}

TEST(ChartLayout, PlotRectIsNormalised) {
  ChartFixture f(100, 80);
  f.chart.SetMarginUnits(muPixels);
  f.chart.SetMargins(-10, -5, 3, 4);
  f.Paint();
  EXPECT_EQ(f.chart.MarginRect(), (TRect{0, 0, 96, 75}));  // not left of or above the panel
  ChartFixture one(1, 1);                                  // right of the left edge: one pixel wide
  one.Paint();
  EXPECT_EQ(one.chart.MarginRect(), (TRect{1, 1, 2, 2}));
  ChartFixture two(2, 2);  // on it: the control's width
  two.Paint();
  EXPECT_EQ(two.chart.MarginRect(), (TRect{1, 1, 3, 3}));
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

namespace {
// Widens the chart until its bottom axis is `pixels` long.
void BottomAxisOf(ChartFixture& f, int pixels) {
  for (int width = pixels; width < pixels + 200; ++width) {
    f.chart.SetBounds(0, 0, width, 328);
    f.Paint();
    if (f.chart.BottomAxis().PixelSize() == pixels) {
      return;
    }
  }
  FAIL() << "no width gives a bottom axis of " << pixels;
}
}  // namespace

TEST(BarSize, SeventyPercentOfTheSlotRoundedAndEven) {
  ChartFixture f;
  f.AddHours({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  TBarSeries& s = f.Series();
  const TChartAxis& bottom = f.chart.BottomAxis();
  BottomAxisOf(f, 600);  // slot 54: 37.8 -> 38
  EXPECT_EQ(s.MaxBarPoints(), 11);
  EXPECT_EQ(s.OrderPosition(), 1);
  EXPECT_EQ(s.BarCount(), 1);
  EXPECT_EQ(s.BarSize(), 38);
  EXPECT_NEAR(bottom.ValueToPixel(0), bottom.FirstPixel() + 38, 1);  // the margins
  EXPECT_NEAR(bottom.ValueToPixel(9), bottom.LastPixel() - 38, 1);
  BottomAxisOf(f, 550);  // slot 50: 35 -> 36
  EXPECT_EQ(s.BarSize(), 36);
  s.SetSideMargins(false);
  BottomAxisOf(f, 600);  // 10 slots of 60: 42, margin halved
  EXPECT_EQ(s.MaxBarPoints(), 10);
  EXPECT_EQ(s.BarSize(), 42);
  EXPECT_NEAR(bottom.ValueToPixel(0), bottom.FirstPixel() + 21, 1);
  s.SetCustomBarWidth(7);
  f.Paint();
  EXPECT_EQ(s.BarSize(), 7);
}

TEST(BarSize, EmptySeriesAsksForNothing) {
  ChartFixture f;
  f.Paint();
  TBarSeries& s = f.Series();
  EXPECT_EQ(s.MaxBarPoints(), 0);
  EXPECT_EQ(s.BarSize(), 0);
  EXPECT_EQ(f.chart.BottomAxis().CurrentMin(), 0);  // no margin taken
  EXPECT_EQ(f.chart.BottomAxis().CurrentMax(), 0);
}

TEST(BarSize, SideSettingsAreSharedByTheBarSeries) {
  ChartFixture f;
  auto& other = static_cast<TBarSeries&>(f.chart.AddSeries(std::make_unique<TBarSeries>()));
  f.Series().SetSideMargins(false);
  EXPECT_FALSE(other.SideMargins());
  other.SetMultiBar(mbNone);
  EXPECT_EQ(f.Series().MultiBar(), mbNone);
  EXPECT_FALSE(f.Series().SideMargins());
  f.AddHours({1, 2});
  other.Add(3);
  f.Paint();
  EXPECT_EQ(f.Series().BarCount(), 0);  // side by side only with mbSide
}

TEST(BarPlacement, BarsCentredOnTheirXWithMarginsAtBothEnds) {
  ChartFixture f;
  f.AddHours({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  f.Paint();
  TBarSeries& s = f.Series();
  const TChartAxis& bottom = f.chart.BottomAxis();
  ASSERT_EQ(s.DrawnBars().size(), 10u);
  // The bar slots: axis length div 11, 70 % of it, even.
  int slot = bottom.PixelSize() / 11;
  int size = static_cast<int>(std::nearbyint(0.7 * slot));
  size += size % 2;
  EXPECT_EQ(s.BarSize(), size);
  for (const TDrawnBar& bar : s.DrawnBars()) {
    int x = bottom.ValueToPixel(bar.Index);
    EXPECT_EQ(bar.Bounds.Left, x - size / 2);
    EXPECT_EQ(bar.Bounds.Width(), size + 1);
    EXPECT_EQ(bar.Bounds.Bottom, f.chart.LeftAxis().ValueToPixel(0));
  }
  // The first bar's left edge keeps `size` pixels from the axis start.
  EXPECT_NEAR(bottom.ValueToPixel(0), bottom.FirstPixel() + size, 1);
  EXPECT_NEAR(bottom.ValueToPixel(9), bottom.LastPixel() - size, 1);
  // The highest bar reaches the top of the plot area.
  EXPECT_EQ(s.DrawnBars().back().Bounds.Top, f.chart.PlotRect().Top);
  EXPECT_EQ(s.DrawnBars().back().Bounds.Bottom, f.chart.PlotRect().Bottom);
}

TEST(BarPlacement, OneRecordIsCentred) {
  ChartFixture f;
  f.AddHours({7.25});
  f.Paint();
  const TChartAxis& bottom = f.chart.BottomAxis();
  EXPECT_TRUE(bottom.RangeIsZero());
  ASSERT_EQ(bottom.DrawnLabels().size(), 1u);
  EXPECT_EQ(bottom.DrawnLabels()[0].Pixel, bottom.CenterPixel());
  EXPECT_EQ(bottom.DrawnLabels()[0].Text, "2024-03-01");
  const TBarSeries& s = f.Series();
  ASSERT_EQ(s.DrawnBars().size(), 1u);
  EXPECT_EQ(s.DrawnBars()[0].Bounds.Left, bottom.CenterPixel() - s.BarSize() / 2);
  EXPECT_EQ(f.chart.LeftAxis().CurrentMin(), 0);
  EXPECT_EQ(f.chart.LeftAxis().CurrentMax(), 7.25);
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
  f.chart.SetBounds(0, 0, 500, 300);
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
  f.Invalidated();
  f.Paint();
  EXPECT_FALSE(f.chart.IsImageStale());
  EXPECT_FALSE(f.Invalidated());
  EXPECT_TRUE(f.chart.AutoRepaint());  // restored after the paint
  f.Series().Add(4);
  EXPECT_TRUE(f.chart.IsImageStale());
  EXPECT_TRUE(f.Invalidated());
}

TEST(Repaint, APaintThatThrowsMidwayIsDrawnAgainByTheNext) {
  FailingEngine engine;
  ChartFixture f(669, 328, &engine);
  ChartFixture clean;
  f.AddHours({2, 8, 5});
  clean.AddHours({2, 8, 5});
  engine.FailAfter = 12;  // some labels are measured, then the engine fails
  EXPECT_THROW(f.Invalidated(), std::runtime_error);  // the window's paint
  EXPECT_TRUE(f.chart.IsImageStale());
  EXPECT_TRUE(f.chart.AutoRepaint());
  ASSERT_FALSE(f.form.HasDirtyAreas());
  engine.FailAfter = -1;
  f.Series().Add(4);  // requests are heard again
  clean.Series().Add(4);
  EXPECT_TRUE(f.form.HasDirtyAreas());
  int64_t redraws = f.chart.RedrawCount();
  f.Invalidated();
  EXPECT_EQ(f.chart.RedrawCount(), redraws + 1);
  EXPECT_FALSE(f.chart.IsImageStale());
  EXPECT_TRUE(f.chart.Image() == clean.Paint());
}
