// Shapes far larger than the image (a zoomed chart clamps positions to
// +-67,108,863): drawn exactly, quickly, and without huge allocations.
#include <gtest/gtest.h>

#include <vector>

#include "gfx/canvas.h"
#include "pixel_helpers.h"

namespace gfx {
namespace {

constexpr int kFar = 67108863;

TEST(CanvasFar, LinesLeavingTheImageKeepTheirPixels) {
  // Each line drawn on a large image, and on a small window onto it whose
  // origin makes the line start and end outside: the window must match.
  const std::vector<std::pair<TPoint, TPoint>> lines = {
      {{3, 7}, {190, 61}},   {{190, 61}, {3, 7}},  {{10, 190}, {150, 2}},  {{50, 0}, {61, 199}},
      {{199, 100}, {0, 97}}, {{5, 5}, {180, 180}}, {{120, 3}, {100, 190}}, {{0, 50}, {199, 51}},
  };
  for (int width : {1, 2}) {
    for (bool dotted : {false, true}) {
      for (const auto& [a, b] : lines) {
        TBitmap big(200, 200, PixelOf(clWhite));
        TCanvas cb(big);
        cb.Pen.Width = width;
        cb.Pen.Style = dotted ? psDot : psSolid;
        cb.Line(a.X, a.Y, b.X, b.Y);
        TBitmap small(40, 30, PixelOf(clWhite));
        TCanvas cs(small);
        cs.Pen = cb.Pen;
        cs.SetOrigin({-80, -70});
        cs.Line(a.X, a.Y, b.X, b.Y);
        EXPECT_EQ(small, big.Crop({80, 70, 120, 100}))
            << a.X << "," << a.Y << " -> " << b.X << "," << b.Y << " width " << width;
      }
    }
  }
}

TEST(CanvasFar, HugeCoordinatesDrawTheVisiblePart) {
  TBitmap bmp(16, 16, PixelOf(clWhite));
  TCanvas c(bmp);
  c.Line(-kFar, 2, kFar, 2);
  c.Line(-kFar, -kFar, kFar, kFar);
  for (int x = 0; x < 16; ++x) {
    EXPECT_EQ(c.Pixels(x, 2), clBlack);
    EXPECT_EQ(c.Pixels(x, x), clBlack);
  }
  EXPECT_EQ(gfx_test::CountColor(bmp, clBlack), 16 + 15);
}

TEST(CanvasFar, HugeAreasAndClips) {
  TBitmap bmp(16, 16, PixelOf(clWhite));
  TCanvas c(bmp);
  const std::vector<TPoint> tab = {{-kFar, kFar}, {-kFar, 4}, {-kFar + 2, 2},
                                   {kFar - 2, 2}, {kFar, 4},  {kFar, kFar}};
  ASSERT_TRUE(c.PushClipPolygon(tab));
  c.PushClipRect({-kFar, -kFar, kFar, kFar});
  c.FillRect({-kFar, -kFar, kFar, kFar}, clRed);
  EXPECT_EQ(gfx_test::CountColor(bmp, clRed), 16 * 14);  // rows 2..15
  c.PopClip();
  c.PopClip();
  c.Brush.Color = clBlue;
  c.Pen.Style = psClear;
  c.Polygon(tab);
  EXPECT_EQ(gfx_test::CountColor(bmp, clBlue), 16 * 14);
  c.Pen.Style = psSolid;
  c.Brush.Style = bsClear;
  c.Rectangle(-kFar, 1, kFar, kFar);  // only its top edge is on the image
  EXPECT_EQ(gfx_test::CountColor(bmp, clBlack), 16);
  c.InvertRect({-kFar, -kFar, kFar, kFar});
  c.BlendRect({-kFar, -kFar, kFar, kFar}, clBlack, 0);
  c.DrawFocusRect({-kFar, 0, kFar, kFar});
  // Inverted: row 0 black, the black row 1 white; then the focus frame's top
  // edge turns every other pixel of row 0 back to white.
  EXPECT_EQ(gfx_test::Picture(bmp, {0, 0, 16, 2}, clWhite),
            (std::vector<std::string>{"#.#.#.#.#.#.#.#.", "################"}));
  EXPECT_EQ(gfx_test::CountColor(bmp, clYellow), 16 * 14);
}

TEST(CanvasFar, TallPolygonsWithoutALimitFail) {
  TRegion r;
  const int n = TRegion::kMaxRows + 1;
  const std::vector<TPoint> tall = {{0, 0}, {4, 0}, {4, n}, {0, n}};
  EXPECT_FALSE(TRegion::FromPolygon(tall, r));
  const TRect window{0, 0, 4, 4};
  ASSERT_TRUE(TRegion::FromPolygon(tall, r, fmAlternate, &window));
  EXPECT_EQ(r, TRegion::FromRect(window));
}

}  // namespace
}  // namespace gfx
