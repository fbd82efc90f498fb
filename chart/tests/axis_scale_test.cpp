#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

#include "chart/axis_scale.h"
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
  EXPECT_DOUBLE_EQ(NextNiceStep(0.418), 0.5);
  EXPECT_EQ(NextNiceStep(1), 2);
  EXPECT_EQ(NextNiceStep(2), 5);
  EXPECT_EQ(NextNiceStep(5), 10);
  EXPECT_EQ(NextNiceStep(7), 10);
  EXPECT_EQ(NextNiceStep(10), 20);
  EXPECT_DOUBLE_EQ(NextNiceStep(0.05), 0.1);
  EXPECT_EQ(NextNiceStep(199), 200);
  EXPECT_EQ(NextNiceStep(INFINITY), 1);
  // Outside its domain it must still end.
  EXPECT_EQ(NextNiceStep(0), 1);
  EXPECT_EQ(NextNiceStep(NAN), 1);
}

TEST(NextNiceStep, AlwaysAboveItsArgumentDownToTheSmallestDouble) {
  // Below 1e-307 the tenths lose digits; the step search relies on progress.
  for (double x : {3.886e-317, 5e-324, 1e-320, 2.2250738585072014e-308, 1e-300, 0.3, 1e300,
                   1.7976931348623157e308}) {
    EXPECT_GT(NextNiceStep(x), x) << x;
  }
  for (double x = 5e-324; x < 1e-300; x *= 3.7) {
    ASSERT_GT(NextNiceStep(x), x) << x;
  }
}

TEST(StepForCount, RaisedToTheNextNiceStepUntilTheLabelsFit) {
  EXPECT_EQ(StepForCount(16, 10, 0, false, true), 1);  // 10/17 gives 17 labels, 1 gives 10
  EXPECT_DOUBLE_EQ(StepForCount(17, 7.53, 0, false, true), 0.5);
  EXPECT_EQ(StepForCount(0, 7.53, 0, false, true), 1e-12);
  EXPECT_EQ(StepForCount(5, 0, 0, false, true), 1);
  EXPECT_EQ(StepForCount(10, 100, 2, false, true), 10);  // 2 gives 50, 5 gives 20, 10 gives 10
  EXPECT_EQ(StepForCount(10, 100, 2, false, false), 2);  // labels not kept apart
  EXPECT_EQ(StepForCount(40, 4, 0, true, true), 1);      // 4/41 would give 0.1 steps
  EXPECT_DOUBLE_EQ(StepForCount(40, 4, 0, false, true), 0.1);
}

TEST(StepForCount, EndsForEveryRange) {
  // A bar of 3.886e-317 hours: the search once stalled on subnormal steps.
  for (double range : {3.886e-317, 5e-324, 1e-310, 1e308, double{INFINITY}, double{NAN}, -5.0}) {
    double step = StepForCount(7, range, 0, false, true);
    EXPECT_TRUE(std::isnan(range) || step > 0) << range;
  }
  EXPECT_EQ(StepForCount(7, INFINITY, 0, false, true), INFINITY);
}

TEST(AxisScale, ValueToPixelAndBack) {
  TAxisScale bottom(true);
  bottom.SetPixels(20, 620);
  bottom.SetRange(0, 10);
  EXPECT_EQ(bottom.ValueToPixel(0), 20);
  EXPECT_EQ(bottom.ValueToPixel(10), 620);
  EXPECT_EQ(bottom.ValueToPixel(0.25), 35);
  EXPECT_EQ(bottom.ValueToPixel(1e200), 67108863);
  EXPECT_EQ(bottom.ValueToPixel(-INFINITY), -67108863);
  EXPECT_DOUBLE_EQ(bottom.PixelToValue(320), 5);
  EXPECT_EQ(bottom.CenterPixel(), 320);
  EXPECT_EQ(bottom.PixelsPerUnit(), 60);
  // 0.5 px lands on even pixels.
  bottom.SetPixels(0, 2);
  bottom.SetRange(0, 4);
  EXPECT_EQ(bottom.ValueToPixel(1), 0);  // 0.5 -> 0
  EXPECT_EQ(bottom.ValueToPixel(3), 2);  // 1.5 -> 2

  TAxisScale left(false);
  left.SetPixels(14, 294);
  left.SetRange(0, 8);
  EXPECT_EQ(left.ValueToPixel(0), 294);
  EXPECT_EQ(left.ValueToPixel(8), 14);
  EXPECT_DOUBLE_EQ(left.PixelToValue(154), 4);
  left.SetRange(3, 3);
  EXPECT_TRUE(left.RangeIsZero());
  EXPECT_EQ(left.ValueToPixel(100), 154);  // zero range: the centre
  left.SetPixels(14, 14);
  left.SetRange(0, 8);
  EXPECT_EQ(left.PixelToValue(100), 0);  // shorter than a pixel
}

TEST(AxisScale, PixelsBeyondTheClampAreTakenAtTheClamp) {
  TAxisScale bottom(true);
  bottom.SetPixels(200, 600);
  bottom.SetRange(0, 10);
  const int32_t limit = 67108863;
  EXPECT_EQ(bottom.PixelToValue(INT32_MIN), bottom.PixelToValue(-limit));
  EXPECT_EQ(bottom.PixelToValue(INT32_MIN + 1), bottom.PixelToValue(-limit));
  EXPECT_EQ(bottom.PixelToValue(INT32_MAX), bottom.PixelToValue(limit));
  EXPECT_LT(bottom.PixelToValue(INT32_MIN), 0);
  EXPECT_GT(bottom.PixelToValue(INT32_MAX), 10);
  TAxisScale left(false);
  left.SetPixels(14, 294);
  left.SetRange(0, 8);
  EXPECT_GT(left.PixelToValue(INT32_MIN), 8);  // above the top
  EXPECT_DOUBLE_EQ(left.PixelToValue(INT32_MIN), 8 + (limit + 14) * 8.0 / 280);
}

TEST(AxisScale, ApplyMarginsKeepsPixelsFree) {
  TAxisScale bottom(true);
  bottom.SetPixels(0, 676);
  bottom.SetRange(0, 9);
  bottom.ApplyMargins(38, 38);
  double unit = 9.0 / (676 - 76);
  EXPECT_NEAR(bottom.CurrentMin(), -38 * unit, 1e-12);
  EXPECT_NEAR(bottom.CurrentMax(), 9 + 38 * unit, 1e-12);
  EXPECT_EQ(bottom.FirstPixel(), 0);  // the axis still spans the whole side
  EXPECT_EQ(bottom.LastPixel(), 676);
  EXPECT_EQ(bottom.ValueToPixel(0), 38);
  EXPECT_EQ(bottom.ValueToPixel(9), 676 - 38);
  bottom.SetRange(2, 2);
  bottom.ApplyMargins(38, 38);
  EXPECT_EQ(bottom.CurrentMin(), 2);
  EXPECT_EQ(bottom.CurrentMax(), 2);
  EXPECT_TRUE(bottom.RangeIsZero());
  bottom.SetRange(0.1, 0.7);
  bottom.ApplyMargins(0, 0);
  EXPECT_EQ(bottom.CurrentMin(), 0.1);
  EXPECT_EQ(bottom.CurrentMax(), 0.7);
}

// The axis as the chart drives it: the step from the last paint's range.
class AxisStep : public ::testing::Test {
 protected:
  ChartFixture f;
};

TEST_F(AxisStep, AtLeastOneForFewPointsAlongTheAxis) {
  f.AddHours({1, 2, 3, 4, 5});
  f.chart.BottomAxis().SetMinMax(0, 4);
  f.chart.LeftAxis().SetMinMax(0, 4);
  f.Paint();
  EXPECT_EQ(f.chart.BottomAxis().StepForCount(40), 1);
  // The Y values run along the left axis: no raise.
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().StepForCount(40), 0.1);
}

TEST_F(AxisStep, ComputeStepWorkedExample) {
  // 250 pixels, font height 14, highest bar 7.53: 17 labels fit, step 0.5.
  TChartAxis& left = f.chart.LeftAxis();
  gfx::TFont font = left.LabelsFont();
  font.Height = 14;
  left.SetLabelsFont(font);
  f.AddHours({7.53});
  // The chart height that leaves the left axis 250 pixels.
  for (int height = 250; height < 400 && left.PixelSize() != 250; ++height) {
    f.chart.SetBounds(0, 0, 669, height);
    f.Paint();
  }
  ASSERT_EQ(left.PixelSize(), 250);
  ASSERT_EQ(left.FontHeight(left.LabelsFont()), 14);
  EXPECT_DOUBLE_EQ(left.LabelStep(), 0.5);
  EXPECT_DOUBLE_EQ(left.ComputeStep(), 0.5);
  EXPECT_EQ(left.Increment(), 0);
}

TEST_F(AxisStep, WholeStepsOnAHorizontalAxisKeepTheLabelsApart) {
  f.chart.BottomAxis().SetMinMax(0, 1000);
  const TChartAxis& bottom = f.chart.BottomAxis();
  for (int width = 100; width < 300 && bottom.PixelSize() != 100; ++width) {
    f.chart.SetBounds(0, 0, width, 200);
    f.Paint();
  }
  ASSERT_EQ(bottom.PixelSize(), 100);
  ASSERT_EQ(bottom.ResolveLabelStyle(), talValue);
  double step = bottom.LabelStep();
  ASSERT_GE(step, 2);
  EXPECT_EQ(step, std::trunc(step));
  // Whatever fits, the labels must not overlap: each takes its width + 10 %.
  int width = f.TextWidth("1,000");
  EXPECT_GE(step * bottom.PixelSize() / 1000, width);
  EXPECT_EQ(bottom.Increment(), 0);
}

TEST_F(AxisStep, EveryPropertyChangeAsksForARepaint) {
  TChartAxis& left = f.chart.LeftAxis();
  std::vector<std::function<void()>> changes = {
      [&] { left.SetVisible(false); },
      [&] { left.SetAutomatic(false); },
      [&] { left.SetIncrement(2); },
      [&] { left.SetMaximum(9); },
      [&] { left.SetMinimum(1); },
      [&] { left.SetLabelsSeparation(0); },
      [&] { left.SetLabelStyle(talNone); },
      [&] { left.SetLabelsOnAxis(false); },
      [&] {
        left.SetAxis({gfx::clRed, 3, true});
      },
      [&] { left.SetTickLength(9); },
      [&] { left.SetMinorTickCount(1); },
      [&] {
        left.SetTitle({"h", 90, true, ChartFont(), 0});
      },
      [&] {
        gfx::TFont bigger = ChartFont();
        bigger.Height += 2;
        left.SetLabelsFont(bigger);
      },
      [&] { left.SetEndPosition(50); },
  };
  for (size_t i = 0; i < changes.size(); ++i) {
    f.Paint();
    ASSERT_FALSE(f.chart.IsImageStale());
    changes[i]();
    EXPECT_TRUE(f.chart.IsImageStale()) << "change " << i;
  }
}

TEST_F(AxisStep, SettingWhatIsAlreadySetDrawsNothingAgain) {
  TChartAxis& left = f.chart.LeftAxis();
  left.SetTickLength(9);
  left.SetLabelsFont(ChartFont());
  f.Paint();
  const int64_t redraws = f.chart.RedrawCount();
  left.SetTickLength(9);
  left.SetLabelsFont(ChartFont());
  left.SetVisible(true);
  f.chart.SetColor(f.chart.Color());
  EXPECT_FALSE(f.chart.IsImageStale());
  f.Paint();
  EXPECT_EQ(f.chart.RedrawCount(), redraws);
}

TEST_F(AxisStep, BadRangesAndStepsAreRefused) {
  TChartAxis& left = f.chart.LeftAxis();
  left.SetMaximum(10);
  EXPECT_THROW(left.SetMinimum(11), std::invalid_argument);
  left.SetMinimum(4);
  try {
    left.SetMaximum(3);
    ADD_FAILURE() << "a maximum below the minimum was taken";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "Axis Maximum Value must be >= Minimum");
  }
  EXPECT_THROW(left.SetIncrement(-0.5), std::invalid_argument);
  EXPECT_EQ(left.Minimum(), 4);
  EXPECT_EQ(left.Maximum(), 10);
  EXPECT_EQ(left.Increment(), 0);
}
