#include <gtest/gtest.h>

#include "chart_fixture.h"

namespace {

// The mouse as the window passes it on: points of the chart, buttons held
// from a press to its release.
struct TMouse {
  ChartFixture& f;
  TShiftState held = 0;
  TPoint At(int x, int y) const { return f.chart.ClientToForm({x, y}); }
  static TShiftState Bit(TMouseButton b) {
    return b == mbLeft ? ssLeft : b == mbRight ? ssRight : ssMiddle;
  }
  void Down(TMouseButton b, int x, int y) {
    f.form.WindowMouseMove(held, At(x, y));
    held |= Bit(b);
    f.form.WindowMouseDown(b, held, At(x, y));
  }
  void Move(int x, int y) { f.form.WindowMouseMove(held, At(x, y)); }
  void Up(TMouseButton b, int x, int y) {
    held &= ~Bit(b);
    f.form.WindowMouseUp(b, held, At(x, y));
  }
  // One notch: positive away from the user.
  void Wheel(int delta) { f.form.WindowMouseWheel(held, delta, At(300, 150)); }
};

TPoint Middle(const gfx::TRect& r) {
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

}  // namespace

class Zoom : public ::testing::Test {
 protected:
  Zoom() {
    f.AddHours({2, 8, 5, 3, 6, 1, 4, 7, 2, 5});
    f.Paint();
  }
  void Drag(TMouseButton button, int x0, int y0, int x1, int y1) {
    mouse.Down(button, x0, y0);
    mouse.Move((x0 + x1) / 2, (y0 + y1) / 2);
    mouse.Move(x1, y1);
    mouse.Up(button, x1, y1);
    f.Paint();
  }
  gfx::TRect Bar(int i) { return f.Series().BarBounds(i); }
  ChartFixture f;
  TMouse mouse{f};
};

TEST_F(Zoom, LeftDragZoomsToTheRectangle) {
  // From the middle of the third bar (5 h) to the middle of the sixth (1 h),
  // across the heights of the fourth bar's top (3 h) and the second's (8 h).
  const gfx::TRect plot = f.chart.PlotRect();
  const int x0 = Middle(Bar(2)).X, x1 = Middle(Bar(5)).X;
  const int y0 = Bar(1).Top, y1 = Bar(3).Top;
  Drag(mbLeft, x0, y0, x1, y1);
  EXPECT_TRUE(f.chart.Zoomed());
  EXPECT_FALSE(f.chart.BottomAxis().Automatic());
  EXPECT_FALSE(f.chart.LeftAxis().AutomaticMinimum());
  // What was dragged over fills the plot: the two bars' middles at its sides
  // (no bar margins any more), 8 h at its top and 3 h at its bottom, so the
  // 6 h bar between them reaches three fifths of the way up.
  EXPECT_NEAR(Middle(Bar(2)).X, plot.Left, 1);
  EXPECT_NEAR(Middle(Bar(5)).X, plot.Right, 1);
  EXPECT_NEAR(Bar(4).Top, plot.Bottom - 3 * (plot.Bottom - plot.Top) / 5, 1);
  // Within a pixel's worth of hours.
  const double hourPerPixel = 8.0 / plot.Height();
  EXPECT_NEAR(f.chart.LeftAxis().Maximum(), 8, hourPerPixel);
  EXPECT_NEAR(f.chart.LeftAxis().Minimum(), 3, hourPerPixel);
}

TEST_F(Zoom, LeftwardDragUndoes) {
  Drag(mbLeft, 100, 100, 200, 180);
  Drag(mbLeft, 200, 100, 100, 180);
  EXPECT_FALSE(f.chart.Zoomed());
  EXPECT_TRUE(f.chart.BottomAxis().Automatic());
  EXPECT_TRUE(f.chart.LeftAxis().AutomaticMaximum());
  EXPECT_EQ(f.chart.LeftAxis().CurrentMax(), 8);
  EXPECT_LT(f.chart.BottomAxis().CurrentMin(), 0);  // margins are back
  EXPECT_FALSE(f.chart.ScalesSaved());
}

TEST_F(Zoom, SixteenPixelsOrLessDoNothing) {
  Drag(mbLeft, 100, 100, 116, 180);
  EXPECT_FALSE(f.chart.Zoomed());
  Drag(mbLeft, 100, 100, 200, 116);
  EXPECT_FALSE(f.chart.Zoomed());
  EXPECT_TRUE(f.chart.BottomAxis().Automatic());
  Drag(mbLeft, 100, 100, 117, 117);
  EXPECT_TRUE(f.chart.Zoomed());
}

TEST_F(Zoom, ZoomIsKeptAcrossARefill) {
  Drag(mbLeft, 100, 100, 200, 180);
  double lo = f.chart.BottomAxis().Minimum(), hi = f.chart.BottomAxis().Maximum();
  f.Series().Clear();
  f.AddHours({9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9});
  f.Paint();
  EXPECT_EQ(f.chart.BottomAxis().CurrentMin(), lo);
  EXPECT_EQ(f.chart.BottomAxis().CurrentMax(), hi);
}

TEST_F(Zoom, RubberBandLeavesTheWhitePanelUnchanged) {
  gfx::TBitmap before = f.chart.Image();
  mouse.Down(mbLeft, 100, 100);
  mouse.Move(150, 140);
  EXPECT_TRUE(f.chart.ZoomDrag().Active);
  EXPECT_TRUE(f.chart.Image() == before);
  mouse.Up(mbLeft, 150, 140);
  EXPECT_FALSE(f.chart.ZoomDrag().Active);
}

TEST_F(Zoom, RubberBandInvertsOnAColouredPanelAndErasesItself) {
  f.chart.SetColor(gfx::clSilver);
  f.Paint();
  gfx::TBitmap before = f.chart.Image();
  int x = f.chart.PlotRect().Left + 30, y = f.chart.PlotRect().Top + 5;
  mouse.Down(mbLeft, x, y);
  mouse.Move(x + 40, y + 40);
  // The pen becomes white XOR (white - silver) = silver, and a silver pixel
  // NOT(silver XOR silver) = white.
  EXPECT_EQ(gfx::ColorOfPixel(f.chart.Image().At(x, y + 10)), gfx::clWhite);
  mouse.Move(x + 50, y + 50);
  EXPECT_EQ(gfx::ColorOfPixel(f.chart.Image().At(x + 25, y)), gfx::clWhite);
  mouse.Up(mbLeft, x + 50, y + 50);  // small drag region: still erased
  EXPECT_EQ(f.chart.Image().At(x, y + 10), before.At(x, y + 10));
}

TEST_F(Zoom, RightDragScrollsTheFixedRange) {
  TChartAxis& bottom = f.chart.BottomAxis();
  const gfx::TRect before = Bar(3);
  mouse.Down(mbRight, 100, 150);
  mouse.Move(110, 150);
  f.Paint();
  // The first move fixes the range (the bar margins go); the heights stay.
  EXPECT_FALSE(bottom.Automatic());
  EXPECT_EQ(Bar(3).Top, before.Top);
  EXPECT_TRUE(f.chart.LeftAxis().Automatic());  // no vertical move
  // From then on the bars follow the pointer, each move by its own distance.
  const gfx::TRect fixed = Bar(3);
  mouse.Move(120, 150);
  f.Paint();
  EXPECT_NEAR(Bar(3).Left, fixed.Left + 10, 1);
  mouse.Move(100, 150);
  f.Paint();
  EXPECT_NEAR(Bar(3).Left, fixed.Left - 10, 1);
  EXPECT_EQ(Bar(3).Width(), fixed.Width());
  mouse.Up(mbRight, 100, 150);
  EXPECT_FALSE(f.chart.ScrollDrag().Active);
  EXPECT_TRUE(f.chart.ScalesSaved());
  f.chart.UndoZoom();
  f.Paint();
  EXPECT_TRUE(bottom.Automatic());
  EXPECT_EQ(Bar(3), before);
}

TEST_F(Zoom, ScrollEndsWhenThePointerLeavesThePlot) {
  mouse.Down(mbRight, 100, 150);
  mouse.Move(5, 150);
  EXPECT_FALSE(f.chart.ScrollDrag().Active);
  EXPECT_TRUE(f.chart.BottomAxis().Automatic());
}

TEST_F(Zoom, WheelShiftsTheVerticalRangeByThreePercent) {
  ASSERT_EQ(f.chart.LeftAxis().Maximum(), 8);  // the automatic range of the last paint
  mouse.Wheel(-kWheelDelta);
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Minimum(), 0.24);
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Maximum(), 8.24);
  EXPECT_FALSE(f.chart.LeftAxis().Automatic());
  EXPECT_TRUE(f.chart.BottomAxis().Automatic());
  f.Paint();
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().CurrentMin(), 0.24);
  mouse.Wheel(kWheelDelta);
  EXPECT_NEAR(f.chart.LeftAxis().Minimum(), 0.24 - 0.24, 1e-12);
}

TEST_F(Zoom, WheelDoesNotSaveSoAnUndoKeepsItsRange) {
  mouse.Wheel(-kWheelDelta);
  Drag(mbLeft, 200, 100, 100, 180);
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Minimum(), 0.24);
  EXPECT_FALSE(f.chart.LeftAxis().Automatic());
}

TEST_F(Zoom, SetMinMaxSwapsAndWidensAZeroRange) {
  f.chart.BottomAxis().SetMinMax(5, 2);
  EXPECT_EQ(f.chart.BottomAxis().Minimum(), 2);
  EXPECT_EQ(f.chart.BottomAxis().Maximum(), 5);
  f.chart.BottomAxis().SetMinMax(3, 3);
  EXPECT_EQ(f.chart.BottomAxis().Maximum(), 3 + 1e-10);
}

// A badly wrong clock: one boot of 200,000 hours, zoomed into again and again
// at the same place until the range reaches its 1e-10 floor.
TEST(ZoomFloor, RepeatedZoomsIntoATallBarStillPaint) {
  ChartFixture f;
  TMouse mouse{f};
  f.AddHours({200000});
  f.Paint();
  for (int i = 0; i < 30; ++i) {
    mouse.Down(mbLeft, 400, 150);
    mouse.Move(430, 180);
    mouse.Up(mbLeft, 430, 180);
    f.Paint();
  }
  const TChartAxis& left = f.chart.LeftAxis();
  EXPECT_LT(left.CurrentRange(), 1e-9);
  EXPECT_GT(left.CurrentMin(), 5e4);  // still inside the bar
  ASSERT_FALSE(left.DrawnLabels().empty());
  for (const TAxisLabel& l : left.DrawnLabels()) {
    EXPECT_GE(l.Pixel, left.FirstPixel()) << l.Text;
    EXPECT_LE(l.Pixel, left.LastPixel()) << l.Text;
  }
}

TEST_F(Zoom, PixelsFarOutsideAreClampedNotWrapped) {
  TChartAxis& bottom = f.chart.BottomAxis();
  double far = bottom.PixelToValue(-67108863);
  f.chart.ZoomRect({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  EXPECT_EQ(bottom.Minimum(), far);
  EXPECT_LT(bottom.Minimum(), 0);
  EXPECT_GT(bottom.Maximum(), 9);
  // A drag released far off to the left counts as a leftward drag: undo.
  mouse.Down(mbLeft, 100, 100);
  mouse.Move(INT32_MIN, INT32_MAX);
  mouse.Up(mbLeft, INT32_MIN, INT32_MAX);
  EXPECT_FALSE(f.chart.Zoomed());
  EXPECT_TRUE(bottom.Automatic());
}

TEST_F(Zoom, PressOutsideThePlotStartsNothing) {
  mouse.Down(mbLeft, 2, 2);
  EXPECT_FALSE(f.chart.ZoomDrag().Active);
  mouse.Down(mbLeft, 100, 100);
  EXPECT_TRUE(f.chart.ZoomDrag().Active);
  mouse.Down(mbRight, 110, 110);  // ignored while dragging
  EXPECT_FALSE(f.chart.ScrollDrag().Active);
}

TEST_F(Zoom, AHorizontalZoomKeepsTheVerticalRange) {
  TChartZoom settings = f.chart.Zoom();
  settings.Direction = tzdHorizontal;
  f.chart.SetZoom(settings);
  const gfx::TRect plot = f.chart.PlotRect();
  double b0 = f.chart.BottomAxis().PixelToValue(100), b1 = f.chart.BottomAxis().PixelToValue(200);
  double l0 = f.chart.LeftAxis().PixelToValue(plot.Bottom);
  double l1 = f.chart.LeftAxis().PixelToValue(plot.Top);
  mouse.Down(mbLeft, 100, 150);
  EXPECT_EQ(f.chart.ZoomDrag().Y0, plot.Top);  // the band spans the plot's height
  EXPECT_EQ(f.chart.ZoomDrag().Y1, plot.Bottom);
  mouse.Move(200, 152);  // a few pixels of height are enough
  mouse.Up(mbLeft, 200, 152);
  EXPECT_TRUE(f.chart.Zoomed());
  EXPECT_DOUBLE_EQ(f.chart.BottomAxis().Minimum(), b0);
  EXPECT_DOUBLE_EQ(f.chart.BottomAxis().Maximum(), b1);
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Minimum(), l0);
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Maximum(), l1);
}

TEST_F(Zoom, NoPanningNoScrollButAnotherButtonCan) {
  f.chart.SetAllowPanning(pmNone);
  mouse.Down(mbRight, 100, 150);
  EXPECT_FALSE(f.chart.ScrollDrag().Active);
  mouse.Up(mbRight, 100, 150);
  mouse.Wheel(-kWheelDelta);
  EXPECT_TRUE(f.chart.LeftAxis().Automatic());  // the wheel scrolls no more either
  f.chart.SetAllowPanning(pmHorizontal);
  f.chart.SetScrollMouseButton(mbMiddle);
  mouse.Down(mbMiddle, 100, 150);
  mouse.Move(110, 160);
  EXPECT_FALSE(f.chart.BottomAxis().Automatic());
  EXPECT_TRUE(f.chart.LeftAxis().Automatic());  // horizontal only
  mouse.Up(mbMiddle, 110, 160);
}
