// Pixels of the rendered image, for what the layout numbers cannot show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart_fixture.h"

using namespace gfx;

namespace {
constexpr TColor kGrey = 0x808080;
}

class Pixels : public ::testing::Test {
 protected:
  Pixels() {
    f.AddHours({2, 8, 5, 3, 6, 1, 4, 7});
    f.Paint();
  }
  TColor At(int x, int y) { return f.Pixel(x, y); }
  ChartFixture f;
};

TEST_F(Pixels, RaisedBevelAroundTheWhitePanel) {
  f.chart.SetColor(clSilver);
  f.Paint();
  TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
  ASSERT_EQ(dark, 0xA0A0A0u);
  int w = 669, h = 328;
  EXPECT_EQ(At(0, 0), light);
  EXPECT_EQ(At(w - 2, 0), light);
  EXPECT_EQ(At(0, h - 2), light);
  EXPECT_EQ(At(w - 1, 0), dark);
  EXPECT_EQ(At(w - 1, h / 2), dark);
  EXPECT_EQ(At(w / 2, h - 1), dark);
  EXPECT_EQ(At(0, h - 1), dark);
  EXPECT_EQ(At(w - 1, h - 1), dark);
  EXPECT_EQ(At(1, 1), clSilver);
  EXPECT_EQ(At(w - 2, h - 2), clSilver);
}

TEST_F(Pixels, BackWallOutlinesThePlotArea) {
  const TRect& p = f.chart.PlotRect();
  // The top row and the right column, right and bottom inclusive.
  for (int x = p.Left; x <= p.Right; x += 5) {
    bool onBar = false;
    for (const TDrawnBar& b : f.Series().DrawnBars()) {
      onBar = onBar || (x >= b.Bounds.Left && x < b.Bounds.Right && b.Bounds.Top <= p.Top);
    }
    if (!onBar) {
      EXPECT_EQ(At(x, p.Top), clBlack) << x;
    }
  }
  for (int y = p.Top; y <= p.Bottom; y += 5) {
    EXPECT_EQ(At(p.Right, y), clBlack) << y;
  }
  EXPECT_EQ(At(p.Right + 1, p.Top + 10), clWhite);
  EXPECT_EQ(At(p.Right - 1, p.Top + 10), clWhite);
  EXPECT_EQ(At(p.Left + 10, p.Top - 1), clWhite);
  EXPECT_EQ(At(p.Left + 10, p.Top + 1), clWhite);
}

TEST_F(Pixels, AxisLinesAreTwoPixelsWide) {
  const TRect& p = f.chart.PlotRect();
  const TChartAxis& left = f.chart.LeftAxis();
  // A row between two ticks, above every bar.
  int y = p.Top + 3;
  while (std::count(left.TickPixels().begin(), left.TickPixels().end(), y) != 0) {
    ++y;
  }
  int minorSafe = y;
  EXPECT_EQ(At(p.Left, minorSafe), clBlack);
  EXPECT_EQ(At(p.Left - 1, minorSafe), clBlack);
  EXPECT_NE(At(p.Left + 1, minorSafe), clBlack);
  // Between bars 0 and 1 on the bottom axis, away from any tick.
  const TDrawnBar& b0 = f.Series().DrawnBars()[0];
  int x = b0.Bounds.Right + 1;
  EXPECT_EQ(At(x, p.Bottom), clBlack);
  EXPECT_EQ(At(x, p.Bottom - 1), clBlack);
  EXPECT_EQ(At(x, p.Bottom + 1), clWhite);
  EXPECT_EQ(At(x, p.Bottom - 2), clWhite);
}

TEST_F(Pixels, MajorTicksOnLabelsOnly) {
  const TRect& p = f.chart.PlotRect();
  const TChartAxis& left = f.chart.LeftAxis();
  ASSERT_GE(left.TickPixels().size(), 3u);
  for (int32_t y : left.TickPixels()) {
    for (int x = p.Left - 4; x <= p.Left - 1; ++x) {
      EXPECT_EQ(At(x, y), kGrey) << x << "," << y;
    }
    EXPECT_EQ(At(p.Left - 5, y), clWhite) << y;
  }
  const TChartAxis& bottom = f.chart.BottomAxis();
  ASSERT_EQ(bottom.TickPixels().size(), bottom.DrawnLabels().size());
  for (int32_t x : bottom.TickPixels()) {
    for (int y = p.Bottom + 1; y <= p.Bottom + 4; ++y) {
      EXPECT_EQ(At(x, y), kGrey) << x << "," << y;
    }
    EXPECT_EQ(At(x, p.Bottom + 5), clWhite);
  }
}

TEST_F(Pixels, ThreeMinorTicksPerGapAtQuarters) {
  const TRect& p = f.chart.PlotRect();
  const TChartAxis& left = f.chart.LeftAxis();
  std::vector<int> expected;
  const auto& t = left.TickPixels();
  for (size_t i = 1; i < t.size(); ++i) {
    double d = (t[i] - t[i - 1]) / 4.0;
    for (int j = 1; j <= 3; ++j) {
      expected.push_back(t[i] - static_cast<int>(std::nearbyint(d * j)));
    }
  }
  for (int y : expected) {
    EXPECT_EQ(At(p.Left - 1, y), kGrey) << y;
    EXPECT_EQ(At(p.Left - 2, y), kGrey) << y;
    EXPECT_EQ(At(p.Left - 3, y), clWhite) << y;
  }
  // Rows that carry no tick at all keep the axis black and nothing outside.
  int ticks = 0;
  for (int y = left.FirstPixel() + 1; y < left.LastPixel(); ++y) {
    if (At(p.Left - 2, y) == kGrey) {
      ++ticks;
    } else {
      EXPECT_EQ(At(p.Left - 2, y), clWhite) << y;
    }
  }
  size_t inside = std::count_if(
      t.begin(), t.end(), [&](int y) { return y > left.FirstPixel() && y < left.LastPixel(); });
  // Gaps continue beyond the first and last labels while inside the axis.
  EXPECT_GE(ticks, static_cast<int>(expected.size() + inside));
}

TEST_F(Pixels, BarsFilledWithTheirPaletteColourAndOutlinedInBlack) {
  for (const TDrawnBar& bar : f.Series().DrawnBars()) {
    const TRect& r = bar.Bounds;
    ASSERT_GT(r.Bottom - r.Top, 2);
    int midY = (r.Top + r.Bottom) / 2;
    int midX = (r.Left + r.Right) / 2;
    EXPECT_EQ(At(midX, midY), ColorToRGB(f.Series().PointColor(bar.Index))) << bar.Index;
    EXPECT_EQ(At(r.Left, midY), clBlack);
    EXPECT_EQ(At(r.Right - 1, midY), clBlack);
    EXPECT_EQ(At(midX, r.Top), clBlack);
    EXPECT_EQ(At(midX, r.Bottom - 1), clBlack);
    EXPECT_NE(At(r.Right, midY), clBlack);
  }
  EXPECT_EQ(f.Series().DrawnBars()[0].Color, clRed);
  EXPECT_EQ(f.Series().DrawnBars()[4].Color, clWhite);
}

TEST_F(Pixels, ZeroBarIsALineInItsColourOnTheOrigin) {
  f.Series().Clear();
  f.AddHours({3, 0, 3});
  f.Paint();
  const TDrawnBar& bar = f.Series().DrawnBars()[1];
  int y = bar.Bounds.Top;
  EXPECT_EQ(At(bar.Bounds.Left, y - 1), clBlack);  // the axis line
  EXPECT_EQ(At(bar.Bounds.Left + 3, y - 1), clBlack);
  // Row y - 1 of the bar rectangle is not drawn; the line lies on the origin
  // row in green, over the axis.
  EXPECT_EQ(At(bar.Bounds.Left + 3, y), clGreen);
  EXPECT_EQ(At(bar.Bounds.Right - 2, y), clGreen);
}

TEST_F(Pixels, RotatedTitleFillsItsBand) {
  // A title colour of its own tells its ink from the labels' (which may
  // reach into the band when a middle label is wider than both ends).
  TChartAxis& left = f.chart.LeftAxis();
  TChartAxisTitle title = left.Title();
  title.Font.Color = clBlue;
  left.SetTitle(title);
  f.Paint();
  int h = f.FontHeight();
  int w = f.TextWidth("(小时)");
  int ink = 0, top = 1000, bottom = -1, leftmost = 1000, rightmost = -1;
  for (int x = 0; x < f.chart.PlotRect().Left; ++x) {  // the bars lie right of it
    for (int y = 0; y < 328; ++y) {
      if (At(x, y) == clBlue) {
        ++ink;
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        leftmost = std::min(leftmost, x);
        rightmost = std::max(rightmost, x);
      }
    }
  }
  ASSERT_GT(ink, w);
  // Reads bottom to top, centred on the axis, its bottom edge on TitlePixel.
  EXPECT_GE(leftmost, left.TitlePixel() - h);
  EXPECT_LT(rightmost, left.TitlePixel());
  EXPECT_GE(top, left.CenterPixel() + w / 2 - w);
  EXPECT_LT(bottom, left.CenterPixel() + w / 2);
  EXPECT_GT(bottom - top, w / 2);  // runs along the axis, not across
  EXPECT_LT(rightmost - leftmost, h);
}

TEST_F(Pixels, AxesInFrontPaintOverTheBars) {
  // Scrolled so that the second bar straddles the left axis line.
  f.chart.BottomAxis().SetMinMax(0.95, 7.95);
  f.Paint();
  TBarSeries& s = f.Series();
  int x = f.chart.PlotRect().Left;
  ASSERT_LT(s.PointXPos(1) + 1, x);
  ASSERT_GT(s.PointXPos(1) + s.BarSize() - 1, x + 2);
  int y = (s.PointYPos(1) + s.OriginPos(1)) / 2;
  EXPECT_EQ(At(x, y), clGreen);  // axes behind: the bar covers the line
  f.chart.SetAxisBehind(false);
  f.Paint();
  EXPECT_EQ(At(x, y), clBlack);
  EXPECT_EQ(At(x + 2, y), clGreen);
}

TEST_F(Pixels, AVisibleBorderPenTakesItsWidthFromThePlot) {
  TRect before = f.chart.CalcMarginRect();
  f.chart.SetBorderPen({clBlack, 2, true});
  EXPECT_EQ(f.chart.CalcMarginRect(), before.Deflate(2));
  EXPECT_TRUE(f.chart.IsImageStale());
}
