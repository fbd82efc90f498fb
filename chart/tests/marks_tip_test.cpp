// The hover tip's text; how the application shows and hides it is tested
// with the main window (app/tests).
#include <gtest/gtest.h>

#include "chart_fixture.h"
#include "platform/headless/headless_platform.h"
#include "ui/application.h"
#include "ui/hints.h"

class MarksTip : public ::testing::Test {
 protected:
  MarksTip() {
    f.Series().Add(3, "2024-03-04");
    f.Series().Add(7.25, "2024-03-05");
    f.Series().Add(7.25, "");
    f.Series().Add(5, "2024-03-07");
    f.Paint();
  }
  // A point inside bar i as drawn, just above its foot.
  TPoint Inside(int i) {
    const gfx::TRect bar = f.Series().BarBounds(i);
    return {(bar.Left + bar.Right) / 2, bar.Bottom - 2};
  }
  // The pointer over a point of the chart, as the window passes it on.
  void MoveTo(TPoint p) { f.form.WindowMouseMove(0, f.chart.ClientToForm(p)); }
  void Click(TPoint p) {
    MoveTo(p);
    f.form.WindowMouseDown(mbLeft, ssLeft, f.chart.ClientToForm(p));
    f.form.WindowMouseUp(mbLeft, 0, f.chart.ClientToForm(p));
  }

  ChartFixture f;
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

TEST_F(MarksTip, EmptySpaceClearsTheHint) {
  MoveTo(Inside(1));
  const gfx::TRect& plot = f.chart.PlotRect();
  MoveTo({plot.Left + 2, plot.Top + 2});
  EXPECT_EQ(f.chart.Hint, "");
  EXPECT_TRUE(f.chart.ShowHint);  // stays on after the first hit
}

TEST_F(MarksTip, TheBarsOutlineCountsAndTheGapBesideItDoesNot) {
  // The outermost columns drawn in the bar's outline colour.
  const gfx::TRect bar = f.Series().BarBounds(1);
  const int y = bar.Bottom - 2;
  const gfx::TBitmap& image = f.chart.Image();
  int left = bar.Left - 3, right = bar.Right + 3;
  while (gfx::ColorOfPixel(image.At(left, y)) == gfx::clWhite) {
    ++left;
  }
  while (gfx::ColorOfPixel(image.At(right - 1, y)) == gfx::clWhite) {
    --right;
  }
  MoveTo({left, y});
  EXPECT_EQ(f.chart.Hint, "2024-03-05 7.25");
  MoveTo({left - 1, y});
  EXPECT_EQ(f.chart.Hint, "");
  MoveTo({right - 1, y});
  EXPECT_EQ(f.chart.Hint, "2024-03-05 7.25");
  MoveTo({right, y});
  EXPECT_EQ(f.chart.Hint, "");
}

TEST_F(MarksTip, ReadingATipDrawsNothingAgain) {
  int64_t redraws = f.chart.RedrawCount();
  f.Invalidated();
  MoveTo(Inside(1));
  EXPECT_EQ(f.chart.Hint, "2024-03-05 7.25");
  EXPECT_EQ(f.Series().Marks().Style(), smsLabel);
  EXPECT_FALSE(f.chart.IsImageStale());
  EXPECT_FALSE(f.Invalidated());
  f.Paint();
  EXPECT_EQ(f.chart.RedrawCount(), redraws);
}

TEST_F(MarksTip, ClickModeReactsOnlyToPresses) {
  TMarksTipTool& tool = ChartTool1(f.chart);
  tool.SetMouseAction(mtmClick);
  MoveTo(Inside(1));
  EXPECT_EQ(f.chart.Hint, "");
  Click(Inside(1));
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
  EXPECT_EQ(tool.MouseDelay(), 500);  // no application: the defaults
  headless::THeadlessPlatform platform;
  TApplication app(platform);
  tool.SetMouseDelay(100);
  tool.SetHideDelay(300);
  EXPECT_EQ(app.HintPause(), 100);
  EXPECT_EQ(app.HintHidePause(), 300);
  app.SetHintPause(700);
  EXPECT_EQ(tool.MouseDelay(), 700);
  EXPECT_EQ(tool.HideDelay(), 300);
}
