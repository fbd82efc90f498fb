#include <gtest/gtest.h>

#include <vector>

#include "gfx/canvas.h"
#include "pixel_helpers.h"

namespace gfx {
namespace {

using gfx_test::Picture;
using Pic = std::vector<std::string>;

class CanvasClip : public ::testing::Test {
 protected:
  TBitmap bmp{10, 7, PixelOf(clWhite)};
  TCanvas c{bmp};
  void Flood(TColor color) { c.FillRect({-100, -100, 100, 100}, color); }
};

TEST_F(CanvasClip, NestedClipsIntersectAndPopRestores) {
  c.PushClipRect({1, 1, 8, 6});
  c.PushClipRect({4, 0, 10, 4});
  EXPECT_EQ(c.ClipDepth(), 2);
  EXPECT_EQ(c.ClipBounds(), (TRect{4, 1, 8, 4}));
  Flood(clRed);
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clRed), (Pic{
                                                       "..........",
                                                       "....####..",
                                                       "....####..",
                                                       "....####..",
                                                       "..........",
                                                       "..........",
                                                       "..........",
                                                   }));
  c.PopClip();
  Flood(clBlue);
  EXPECT_EQ(gfx_test::CountColor(bmp, clBlue), 7 * 5);  // red overpainted too
  c.PopClip();
  c.PopClip();  // popping an empty stack is harmless
  EXPECT_EQ(c.ClipDepth(), 0);
  Flood(clGreen);
  EXPECT_EQ(gfx_test::CountColor(bmp, clGreen), 70);
}

TEST_F(CanvasClip, DisjointClipsDrawNothing) {
  c.PushClipRect({0, 0, 3, 3});
  c.PushClipRect({5, 5, 9, 9});
  Flood(clRed);
  c.SetPixel(6, 6, clRed);
  c.Line(0, 6, 10, 6);
  EXPECT_EQ(gfx_test::CountColor(bmp, clRed), 0);
  EXPECT_EQ(gfx_test::CountColor(bmp, clBlack), 0);
  EXPECT_TRUE(c.ClipBounds().IsEmpty());
}

TEST_F(CanvasClip, TabOutlineAsClipPolygonThenItsOutline) {
  // The round-cornered tab: (L, B), (L, T+2), (L+2, T), (R-2, T), (R, T+2), (R, B).
  const int L = 1, T = 1, R = 8, B = 6;
  const std::vector<TPoint> tab = {{L, B}, {L, T + 2}, {L + 2, T}, {R - 2, T}, {R, T + 2}, {R, B}};
  std::string error = "untouched";
  ASSERT_TRUE(c.PushClipPolygon(tab, &error));
  EXPECT_EQ(error, "untouched");
  Flood(clYellow);
  c.PopClip();
  c.Pen.Color = clBlack;
  c.Polyline(tab);
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clYellow, 'y'), (Pic{
                                                               "..........",
                                                               "..........",  // all outline
                                                               "...yyyy...",
                                                               "..yyyyyy..",
                                                               "..yyyyyy..",
                                                               "..yyyyyy..",
                                                               "..........",
                                                           }));
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clBlack),
            (Pic{
                "..........", "...####...", "..#....#..", ".#......#.", ".#......#.", ".#......#.",
                ".#........",  // the first point
            }));
  // Nothing outside the outline was filled, and the outline closes the fill.
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 10; ++x) {
      const TColor px = c.Pixels(x, y);
      if (x == 0 || x == 9 || y == 0) {
        EXPECT_EQ(px, clWhite) << x << "," << y;
      }
    }
  }
}

TEST_F(CanvasClip, RegionFailureIsReportedAndPushesNothing) {
  c.PushClipRect({0, 0, 5, 5});
  std::string error;
  const std::vector<TPoint> bad = {{0, 0}, {3, 3}};
  EXPECT_FALSE(c.PushClipPolygon(bad, &error));
  EXPECT_EQ(error, "Error creating region");
  EXPECT_EQ(c.ClipDepth(), 1);
  EXPECT_FALSE(c.PushClipPolygon(bad));  // no error text wanted
}

TEST_F(CanvasClip, ClipRectanglesFollowTheOrigin) {
  c.SetOrigin({2, 1});
  c.PushClipRect({0, 0, 3, 2});  // device 2..4 x 1..2
  c.SetOrigin({0, 0});
  Flood(clRed);
  EXPECT_EQ(Picture(bmp, {0, 0, 6, 4}, clRed), (Pic{"......", "..###.", "..###.", "......"}));
}

TEST_F(CanvasClip, ClipAppliesToPixelsImagesAndBlends) {
  c.PushClipRect({2, 2, 4, 4});
  c.SetPixel(1, 1, clRed);
  c.SetPixel(2, 2, clRed);
  c.BlendRect({0, 0, 10, 7}, clBlack, 255);
  TBitmap img(10, 10, PixelOf(clBlue));
  c.Draw(0, 0, img);
  EXPECT_EQ(c.Pixels(1, 1), clWhite);
  EXPECT_EQ(c.Pixels(2, 2), clBlue);
  EXPECT_EQ(gfx_test::CountColor(bmp, clBlue), 4);
  EXPECT_EQ(gfx_test::CountColor(bmp, clWhite), 70 - 4);
}

TEST_F(CanvasClip, ExternalRegionsCombine) {
  TRegion tri;
  const std::vector<TPoint> pts = {{0, 0}, {10, 0}, {0, 10}};
  ASSERT_TRUE(TRegion::FromPolygon(pts, tri));
  c.PushClipRegion(tri);
  c.PushClipRect({0, 0, 10, 2});
  Flood(clRed);
  EXPECT_EQ(Picture(bmp, {0, 0, 10, 3}, clRed), (Pic{"##########", "#########.", ".........."}));
}

}  // namespace
}  // namespace gfx
