#include <gtest/gtest.h>

#include "chart/pixel_math.h"
#include "chart_fixture.h"

TEST(PixelMath, RoundsHalfToEvenAndClamps) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(37.8), 38);
  EXPECT_EQ(ClampPixel(1e300), 67108863);
  EXPECT_EQ(ClampPixel(-1e300), -67108863);
  EXPECT_EQ(ClampPixel(INFINITY), 67108863);
  EXPECT_EQ(ClampPixel(NAN), 0);
  EXPECT_EQ(ClampPixel(67108862.5), 67108862);
}

TEST(NextNiceStep, OneTwoFiveSequence) {
  EXPECT_DOUBLE_EQ(TChartAxis::NextNiceStep(0.418), 0.5);
  EXPECT_EQ(TChartAxis::NextNiceStep(1), 2);
  EXPECT_EQ(TChartAxis::NextNiceStep(2), 5);
  EXPECT_EQ(TChartAxis::NextNiceStep(5), 10);
  EXPECT_EQ(TChartAxis::NextNiceStep(7), 10);
  EXPECT_EQ(TChartAxis::NextNiceStep(10), 20);
  EXPECT_DOUBLE_EQ(TChartAxis::NextNiceStep(0.05), 0.1);
  EXPECT_EQ(TChartAxis::NextNiceStep(199), 200);
  EXPECT_EQ(TChartAxis::NextNiceStep(INFINITY), 1);
  // Outside its domain it must still end.
  EXPECT_EQ(TChartAxis::NextNiceStep(0), 1);
  EXPECT_EQ(TChartAxis::NextNiceStep(NAN), 1);
}

class AxisTest : public ::testing::Test {
 protected:
  void SetRange(TChartAxis& axis, double lo, double hi, int first, int last) {
    axis.CurrentMin = lo;
    axis.CurrentMax = hi;
    axis.FirstPixel = first;
    axis.LastPixel = last;
    axis.PixelSize = last - first;
    axis.CenterPixel = (first + last) / 2;
    axis.CurrentRange = hi - lo;
    axis.RangeIsZero = axis.CurrentRange == 0;
    axis.PixelsPerUnit = axis.RangeIsZero ? 0 : axis.PixelSize / axis.CurrentRange;
  }
  ChartFixture f;
  gfx::TBitmap scratch{1, 1};
  gfx::TCanvas Canvas() {
    gfx::TCanvas c(scratch);
    c.SetTextEngine(f.engine);
    return c;
  }
};

TEST_F(AxisTest, StepForCountRaisesToTheNextNiceStep) {
  TChartAxis& left = f.chart.LeftAxis();
  SetRange(left, 0, 10, 0, 250);
  EXPECT_EQ(left.StepForCount(16), 1);  // 10/17 gives 17 labels, 1 gives 10
  SetRange(left, 0, 7.53, 0, 250);
  EXPECT_DOUBLE_EQ(left.StepForCount(17), 0.5);
  EXPECT_EQ(left.StepForCount(0), 1e-12);
  SetRange(left, 0, 0, 0, 250);
  EXPECT_EQ(left.StepForCount(5), 1);
  left.Increment = 2;
  SetRange(left, 0, 100, 0, 250);
  EXPECT_EQ(left.StepForCount(10), 10);  // 2 gives 50, 5 gives 20, 10 gives 10
  left.Increment = 0;
}

TEST_F(AxisTest, StepForCountAtLeastOneForFewPointsAlongTheAxis) {
  f.AddHours({1, 2, 3, 4, 5});
  TChartAxis& bottom = f.chart.BottomAxis();
  SetRange(bottom, 0, 4, 0, 600);
  EXPECT_EQ(bottom.StepForCount(40), 1);  // 4/41 would give 0.1 steps
  TChartAxis& left = f.chart.LeftAxis();  // the Y values run along it: no raise
  SetRange(left, 0, 4, 0, 600);
  EXPECT_DOUBLE_EQ(left.StepForCount(40), 0.1);
}

TEST_F(AxisTest, ComputeStepWorkedExample) {
  // 250 pixels, font height 14, highest bar 7.53: 17 labels fit, step 0.5.
  TChartAxis& left = f.chart.LeftAxis();
  left.LabelsFont.Height = 14;
  SetRange(left, 0, 7.53, 10, 260);
  gfx::TCanvas c = Canvas();
  ASSERT_EQ(left.FontHeight(c, left.LabelsFont), 14);
  EXPECT_DOUBLE_EQ(left.ComputeStep(c), 0.5);
  EXPECT_EQ(left.Increment, 0);
}

TEST_F(AxisTest, ComputeStepForWholeStepsOnAHorizontalAxis) {
  TChartAxis& bottom = f.chart.BottomAxis();
  SetRange(bottom, 0, 1000, 0, 100);
  gfx::TCanvas c = Canvas();
  double step = bottom.ComputeStep(c);
  // Whatever fits, the labels must not overlap: each takes its width + 10 %.
  int width = f.TextWidth("1,000");
  EXPECT_GE(step * 100 / 1000, width);
  EXPECT_EQ(bottom.Increment, 0);
}

TEST_F(AxisTest, ValueToPixelAndBack) {
  TChartAxis& bottom = f.chart.BottomAxis();
  SetRange(bottom, 0, 10, 20, 620);
  EXPECT_EQ(bottom.ValueToPixel(0), 20);
  EXPECT_EQ(bottom.ValueToPixel(10), 620);
  EXPECT_EQ(bottom.ValueToPixel(0.25), 35);
  EXPECT_EQ(bottom.ValueToPixel(1e200), 67108863);
  EXPECT_EQ(bottom.ValueToPixel(-INFINITY), -67108863);
  EXPECT_DOUBLE_EQ(bottom.PixelToValue(320), 5);
  // 0.5 px lands on even pixels.
  SetRange(bottom, 0, 4, 0, 2);
  EXPECT_EQ(bottom.ValueToPixel(1), 0);  // 0.5 -> 0
  EXPECT_EQ(bottom.ValueToPixel(3), 2);  // 1.5 -> 2

  TChartAxis& left = f.chart.LeftAxis();
  SetRange(left, 0, 8, 14, 294);
  EXPECT_EQ(left.ValueToPixel(0), 294);
  EXPECT_EQ(left.ValueToPixel(8), 14);
  EXPECT_DOUBLE_EQ(left.PixelToValue(154), 4);
  SetRange(left, 3, 3, 14, 294);
  EXPECT_EQ(left.ValueToPixel(100), 154);  // zero range: the centre
  SetRange(left, 0, 8, 14, 14);
  EXPECT_EQ(left.PixelToValue(100), 0);  // shorter than a pixel
}

TEST_F(AxisTest, ApplyMarginsKeepsPixelsFree) {
  TChartAxis& bottom = f.chart.BottomAxis();
  SetRange(bottom, 0, 9, 0, 676);
  bottom.ApplyMargins(38, 38);
  // PlaceAxis restored the full extent from the (empty) plot rect: check the
  // value range against the shrunk extent instead.
  double unit = 9.0 / (676 - 76);
  EXPECT_NEAR(bottom.CurrentMin, -38 * unit, 1e-12);
  EXPECT_NEAR(bottom.CurrentMax, 9 + 38 * unit, 1e-12);
  SetRange(bottom, 2, 2, 0, 676);
  bottom.ApplyMargins(38, 38);
  EXPECT_EQ(bottom.CurrentMin, 2);
  EXPECT_EQ(bottom.CurrentMax, 2);
  EXPECT_TRUE(bottom.RangeIsZero);
  SetRange(bottom, 0.1, 0.7, 0, 677);
  bottom.ApplyMargins(0, 0);
  EXPECT_EQ(bottom.CurrentMin, 0.1);
  EXPECT_EQ(bottom.CurrentMax, 0.7);
}
