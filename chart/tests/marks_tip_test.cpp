#include <gtest/gtest.h>

#include "chart/hint_display.h"
#include "chart_fixture.h"

class MarksTip : public ::testing::Test {
 protected:
  MarksTip() : hints([this] { return now; }) {
    f.chart.HintHost = &hints;
    f.Series().Add(3, "2024-03-04");
    f.Series().Add(7.25, "2024-03-05");
    f.Series().Add(7.25, "");
    f.Series().Add(5, "2024-03-07");
    f.Paint();
  }
  // A point inside bar i.
  std::pair<int, int> Inside(int i) {
    TBarSeries& s = f.Series();
    return {s.PointXPos(i) + s.BarSize / 2, s.OriginPos(i) - 1};
  }
  void MoveTo(std::pair<int, int> p) {
    f.chart.MouseMove(0, p.first, p.second);
    hints.PointerMoved(&f.chart, p.first, p.second);
  }
  void Wait(int ms) {
    now += ms;
    hints.Tick();
  }

  ChartFixture f;
  int64_t now = 1000;
  THintDisplay hints;
};

TEST_F(MarksTip, BarUnderThePointerGivesLabelAndValue) {
  MoveTo(Inside(1));
  EXPECT_EQ(f.chart.Hint, "2024-03-05 7.25");
  EXPECT_TRUE(f.chart.ShowHint);
  MoveTo(Inside(3));
  EXPECT_EQ(f.chart.Hint, "2024-03-07 5");
  MoveTo(Inside(2));
  EXPECT_EQ(f.chart.Hint, "7.25 7.25");  // no label: the value twice
}

TEST_F(MarksTip, ThousandsAreGrouped) {
  f.Series().Add(1234.5, "2024-03-08");
  f.Paint();
  MoveTo(Inside(4));
  EXPECT_EQ(f.chart.Hint, "2024-03-08 1,234.5");
}

TEST_F(MarksTip, ShownAfterThePauseAndHiddenAfterTheHidePause) {
  ChartTool1(f.chart);
  EXPECT_EQ(ChartTool1(f.chart).MouseDelay(), 500);
  EXPECT_EQ(ChartTool1(f.chart).HideDelay(), 2500);
  MoveTo(Inside(1));
  Wait(499);
  EXPECT_FALSE(hints.Visible());
  Wait(1);
  EXPECT_TRUE(hints.Visible());
  EXPECT_EQ(hints.Text(), "2024-03-05 7.25");
  Wait(2499);
  EXPECT_TRUE(hints.Visible());
  Wait(1);
  EXPECT_FALSE(hints.Visible());
}

TEST_F(MarksTip, MovingWithinABarKeepsTheTip) {
  MoveTo(Inside(1));
  Wait(600);
  ASSERT_TRUE(hints.Visible());
  int cancels = hints.CancelCount();
  auto p = Inside(1);
  MoveTo({p.first + 1, p.second - 3});
  EXPECT_EQ(hints.CancelCount(), cancels);
  EXPECT_TRUE(hints.Visible());
}

TEST_F(MarksTip, AnotherBarReplacesTheTipAfterThePause) {
  MoveTo(Inside(0));
  Wait(600);
  MoveTo(Inside(1));
  EXPECT_FALSE(hints.Visible());  // the old tip goes at once
  Wait(499);
  EXPECT_FALSE(hints.Visible());
  Wait(1);
  EXPECT_EQ(hints.Text(), "2024-03-05 7.25");
}

TEST_F(MarksTip, EmptySpaceClearsTheHint) {
  MoveTo(Inside(1));
  Wait(600);
  ASSERT_TRUE(hints.Visible());
  const gfx::TRect& plot = f.chart.PlotRect();
  MoveTo({plot.Left + 2, plot.Top + 2});
  EXPECT_EQ(f.chart.Hint, "");
  EXPECT_FALSE(hints.Visible());
  EXPECT_TRUE(f.chart.ShowHint);  // stays on after the first hit
}

TEST_F(MarksTip, OutermostColumnsOfABarCount) {
  TBarSeries& s = f.Series();
  int y = s.OriginPos(1) - 1;
  f.chart.MouseMove(0, s.PointXPos(1), y);
  EXPECT_EQ(f.chart.Hint, "2024-03-05 7.25");
  f.chart.MouseMove(0, s.PointXPos(1) - 1, y);
  EXPECT_EQ(f.chart.Hint, "");
  f.chart.MouseMove(0, s.PointXPos(1) + s.BarSize, y);
  EXPECT_EQ(f.chart.Hint, "2024-03-05 7.25");
  f.chart.MouseMove(0, s.PointXPos(1) + s.BarSize + 1, y);
  EXPECT_EQ(f.chart.Hint, "");
}

TEST_F(MarksTip, BorrowedStyleIsRestoredWithoutARepaint) {
  int64_t redraws = f.chart.RedrawCount();
  int invalidations = 0;
  f.chart.OnInvalidate = [&] { ++invalidations; };
  MoveTo(Inside(1));
  EXPECT_EQ(f.chart.Hint, "2024-03-05 7.25");
  EXPECT_EQ(f.Series().Marks.Style(), smsLabel);
  EXPECT_FALSE(f.chart.IsImageStale());
  EXPECT_EQ(invalidations, 0);
  f.Paint();
  EXPECT_EQ(f.chart.RedrawCount(), redraws);
}

TEST_F(MarksTip, ClickModeReactsOnlyToPresses) {
  TMarksTipTool& tool = ChartTool1(f.chart);
  tool.SetMouseAction(mtmClick);
  auto p = Inside(1);
  f.chart.MouseMove(0, p.first, p.second);
  EXPECT_EQ(f.chart.Hint, "");
  f.chart.MouseDown(mbLeft, 0, p.first, p.second);
  EXPECT_EQ(f.chart.Hint, "2024-03-05 7.25");
  f.chart.MouseUp(mbLeft, 0, p.first, p.second);
  EXPECT_EQ(f.chart.Hint, "2024-03-05 7.25");
}

TEST_F(MarksTip, TextHookAndCancelHook) {
  TMarksTipTool& tool = ChartTool1(f.chart);
  int cancelled = 0;
  tool.OnGetText = [](TMarksTipTool&, std::string& text) { text += " h"; };
  tool.OnCancelHint = [&](TMarksTipTool&) { ++cancelled; };
  MoveTo(Inside(1));
  EXPECT_EQ(f.chart.Hint, "2024-03-05 7.25 h");
  tool.SetActive(false);
  EXPECT_EQ(cancelled, 1);
  EXPECT_EQ(f.chart.Hint, "");
  MoveTo(Inside(0));  // inactive tools get no events
  EXPECT_EQ(f.chart.Hint, "");
}

TEST_F(MarksTip, DelaysAreTheApplicationsSettings) {
  TMarksTipTool& tool = ChartTool1(f.chart);
  tool.SetMouseDelay(100);
  tool.SetHideDelay(300);
  EXPECT_EQ(hints.HintPause(), 100);
  EXPECT_EQ(hints.HintHidePause(), 300);
  MoveTo(Inside(1));
  Wait(100);
  EXPECT_TRUE(hints.Visible());
  Wait(300);
  EXPECT_FALSE(hints.Visible());
}
