#include <gtest/gtest.h>

#include "chart_fixture.h"

class Zoom : public ::testing::Test {
 protected:
  Zoom() {
    f.AddHours({2, 8, 5, 3, 6, 1, 4, 7, 2, 5});
    f.Paint();
  }
  void Drag(TMouseButton button, int x0, int y0, int x1, int y1) {
    f.chart.MouseDown(button, 0, x0, y0);
    f.chart.MouseMove(0, (x0 + x1) / 2, (y0 + y1) / 2);
    f.chart.MouseMove(0, x1, y1);
    f.chart.MouseUp(button, 0, x1, y1);
    f.Paint();
  }
  ChartFixture f;
};

TEST_F(Zoom, LeftDragZoomsToTheRectangle) {
  TChartAxis& bottom = f.chart.BottomAxis();
  TChartAxis& left = f.chart.LeftAxis();
  double b0 = bottom.PixelToValue(100), b1 = bottom.PixelToValue(200);
  double l0 = left.PixelToValue(180), l1 = left.PixelToValue(100);
  Drag(mbLeft, 100, 100, 200, 180);
  EXPECT_TRUE(f.chart.Zoomed());
  EXPECT_FALSE(bottom.Automatic());
  EXPECT_FALSE(left.AutomaticMinimum());
  EXPECT_DOUBLE_EQ(bottom.Minimum(), b0);
  EXPECT_DOUBLE_EQ(bottom.Maximum(), b1);
  EXPECT_DOUBLE_EQ(left.Minimum(), l0);
  EXPECT_DOUBLE_EQ(left.Maximum(), l1);
  // A fixed range is used as is, without bar margins.
  EXPECT_DOUBLE_EQ(bottom.CurrentMin(), b0);
  EXPECT_DOUBLE_EQ(left.CurrentMax(), l1);
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
  f.chart.MouseDown(mbLeft, 0, 100, 100);
  f.chart.MouseMove(0, 150, 140);
  EXPECT_TRUE(f.chart.ZoomDrag().Active);
  EXPECT_TRUE(f.chart.Image() == before);
  f.chart.MouseUp(mbLeft, 0, 150, 140);
  EXPECT_FALSE(f.chart.ZoomDrag().Active);
}

TEST_F(Zoom, RubberBandInvertsOnAColouredPanelAndErasesItself) {
  f.chart.SetColor(gfx::clSilver);
  f.Paint();
  gfx::TBitmap before = f.chart.Image();
  int x = f.chart.PlotRect().Left + 30, y = f.chart.PlotRect().Top + 5;
  f.chart.MouseDown(mbLeft, 0, x, y);
  f.chart.MouseMove(0, x + 40, y + 40);
  // The pen becomes white XOR (white - silver) = silver, and a silver pixel
  // NOT(silver XOR silver) = white.
  EXPECT_EQ(gfx::ColorOfPixel(f.chart.Image().At(x, y + 10)), gfx::clWhite);
  f.chart.MouseMove(0, x + 50, y + 50);
  EXPECT_EQ(gfx::ColorOfPixel(f.chart.Image().At(x + 25, y)), gfx::clWhite);
  f.chart.MouseUp(mbLeft, 0, x + 50, y + 50);  // small drag region: still erased
  EXPECT_EQ(f.chart.Image().At(x, y + 10), before.At(x, y + 10));
}

TEST_F(Zoom, RightDragScrollsTheFixedRange) {
  TChartAxis& bottom = f.chart.BottomAxis();
  double width10 = bottom.PixelToValue(110) - bottom.PixelToValue(100);
  f.chart.MouseDown(mbRight, 0, 100, 150);
  f.chart.MouseMove(0, 110, 150);
  EXPECT_FALSE(bottom.Automatic());
  EXPECT_DOUBLE_EQ(bottom.Minimum(), 0 - width10);
  EXPECT_DOUBLE_EQ(bottom.Maximum(), 9 - width10);
  EXPECT_TRUE(f.chart.LeftAxis().Automatic());  // no vertical move
  f.chart.MouseMove(0, 120, 150);               // each move shifts by its own distance
  EXPECT_DOUBLE_EQ(bottom.Minimum(), 0 - 2 * width10);
  f.chart.MouseUp(mbRight, 0, 120, 150);
  EXPECT_FALSE(f.chart.ScrollDrag().Active);
  EXPECT_TRUE(f.chart.ScalesSaved());
  f.chart.UndoZoom();
  EXPECT_TRUE(bottom.Automatic());
  EXPECT_EQ(bottom.Minimum(), 0);
}

TEST_F(Zoom, ScrollEndsWhenThePointerLeavesThePlot) {
  f.chart.MouseDown(mbRight, 0, 100, 150);
  f.chart.MouseMove(0, 5, 150);
  EXPECT_FALSE(f.chart.ScrollDrag().Active);
  EXPECT_TRUE(f.chart.BottomAxis().Automatic());
}

TEST_F(Zoom, WheelShiftsTheVerticalRangeByThreePercent) {
  ASSERT_EQ(f.chart.LeftAxis().Maximum(), 8);  // the automatic range of the last paint
  f.chart.MouseWheel(0, -kWheelDelta, {});
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Minimum(), 0.24);
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Maximum(), 8.24);
  EXPECT_FALSE(f.chart.LeftAxis().Automatic());
  EXPECT_TRUE(f.chart.BottomAxis().Automatic());
  f.Paint();
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().CurrentMin(), 0.24);
  f.chart.MouseWheel(0, kWheelDelta, {});
  EXPECT_NEAR(f.chart.LeftAxis().Minimum(), 0.24 - 0.24, 1e-12);
}

TEST_F(Zoom, WheelDoesNotSaveSoAnUndoKeepsItsRange) {
  f.chart.MouseWheel(0, -kWheelDelta, {});
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
  f.AddHours({200000});
  f.Paint();
  for (int i = 0; i < 30; ++i) {
    f.chart.MouseDown(mbLeft, ssLeft, 400, 150);
    f.chart.MouseMove(ssLeft, 430, 180);
    f.chart.MouseUp(mbLeft, 0, 430, 180);
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
  f.chart.MouseDown(mbLeft, ssLeft, 100, 100);
  f.chart.MouseMove(ssLeft, INT32_MIN, INT32_MAX);
  f.chart.MouseUp(mbLeft, 0, INT32_MIN, INT32_MAX);
  EXPECT_FALSE(f.chart.Zoomed());
  EXPECT_TRUE(bottom.Automatic());
}

TEST_F(Zoom, PressOutsideThePlotStartsNothing) {
  f.chart.MouseDown(mbLeft, 0, 2, 2);
  EXPECT_FALSE(f.chart.ZoomDrag().Active);
  f.chart.MouseDown(mbLeft, 0, 100, 100);
  EXPECT_TRUE(f.chart.ZoomDrag().Active);
  f.chart.MouseDown(mbRight, 0, 110, 110);  // ignored while dragging
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
  f.chart.MouseDown(mbLeft, ssLeft, 100, 150);
  EXPECT_EQ(f.chart.ZoomDrag().Y0, plot.Top);  // the band spans the plot's height
  EXPECT_EQ(f.chart.ZoomDrag().Y1, plot.Bottom);
  f.chart.MouseMove(ssLeft, 200, 152);  // a few pixels of height are enough
  f.chart.MouseUp(mbLeft, 0, 200, 152);
  EXPECT_TRUE(f.chart.Zoomed());
  EXPECT_DOUBLE_EQ(f.chart.BottomAxis().Minimum(), b0);
  EXPECT_DOUBLE_EQ(f.chart.BottomAxis().Maximum(), b1);
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Minimum(), l0);
  EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Maximum(), l1);
}

TEST_F(Zoom, NoPanningNoScrollButAnotherButtonCan) {
  f.chart.SetAllowPanning(pmNone);
  f.chart.MouseDown(mbRight, ssRight, 100, 150);
  EXPECT_FALSE(f.chart.ScrollDrag().Active);
  f.chart.MouseUp(mbRight, 0, 100, 150);
  f.chart.MouseWheel(0, -kWheelDelta, {});
  EXPECT_TRUE(f.chart.LeftAxis().Automatic());  // the wheel scrolls no more either
  f.chart.SetAllowPanning(pmHorizontal);
  f.chart.SetScrollMouseButton(mbMiddle);
  f.chart.MouseDown(mbMiddle, ssMiddle, 100, 150);
  f.chart.MouseMove(ssMiddle, 110, 160);
  EXPECT_FALSE(f.chart.BottomAxis().Automatic());
  EXPECT_TRUE(f.chart.LeftAxis().Automatic());  // horizontal only
  f.chart.MouseUp(mbMiddle, 0, 110, 160);
}
