// The tool's mouse actions reach the chart as the window's messages would.
#include "chart_actions.h"

#include <gtest/gtest.h>

#include "chart/tests/chart_fixture.h"

namespace {

class ChartActions : public ::testing::Test {
 protected:
  ChartActions() {
    f.AddHours({2, 8, 5, 3, 6, 1, 4, 7, 2, 5});
    f.Paint();
  }
  void Apply(TChartAction::TKind kind, std::array<int, 4> values) {
    TChartAction action;
    action.Kind = kind;
    action.Values = values;
    ApplyChartAction(f.chart, action);
    f.Paint();
  }
  ChartFixture f;
};

TEST_F(ChartActions, WheelNotchesTowardsTheUserMoveTheValuesUp) {
  ASSERT_EQ(f.chart.LeftAxis().Maximum(), 8);
  Apply(TChartAction::kWheel, {2});
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Minimum(), 2 * 0.24);
  Apply(TChartAction::kWheel, {-3});
  EXPECT_NEAR(f.chart.LeftAxis().Minimum(), -0.24, 1e-12);
  EXPECT_TRUE(f.chart.BottomAxis().Automatic());
}

TEST_F(ChartActions, DragZoomsToItsRectangleAndLeftwardsUndoes) {
  TChartAxis& bottom = f.chart.BottomAxis();
  const double b0 = bottom.PixelToValue(100), b1 = bottom.PixelToValue(200);
  Apply(TChartAction::kDrag, {100, 100, 200, 180});
  EXPECT_TRUE(f.chart.Zoomed());
  EXPECT_FALSE(f.chart.ZoomDrag().Active);
  EXPECT_DOUBLE_EQ(bottom.Minimum(), b0);
  EXPECT_DOUBLE_EQ(bottom.Maximum(), b1);
  Apply(TChartAction::kDrag, {200, 100, 100, 180});
  EXPECT_FALSE(f.chart.Zoomed());
  EXPECT_TRUE(bottom.Automatic());
}

TEST_F(ChartActions, RightDragScrollsAndMoveShowsTheTip) {
  TChartAxis& bottom = f.chart.BottomAxis();
  const double width10 = bottom.PixelToValue(110) - bottom.PixelToValue(100);
  Apply(TChartAction::kRightDrag, {100, 150, 110, 150});
  EXPECT_FALSE(f.chart.ScrollDrag().Active);
  EXPECT_DOUBLE_EQ(bottom.Minimum(), -width10);
  EXPECT_FALSE(f.chart.Zoomed());

  const gfx::TRect bar = f.Series().DrawnBars().front().Bounds;
  Apply(TChartAction::kMove, {(bar.Left + bar.Right) / 2, bar.Bottom - 2});
  EXPECT_NE(f.chart.Hint.find(ChartFixture::DateLabel(0)), std::string::npos) << f.chart.Hint;
}

}  // namespace
