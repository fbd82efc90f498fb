#include <gtest/gtest.h>

#include "gfx/canvas.h"
#include "pixel_helpers.h"

namespace gfx {
namespace {

using gfx_test::Picture;
using Pic = std::vector<std::string>;

class CanvasRect : public ::testing::Test {
 protected:
  TBitmap bmp{8, 6, PixelOf(clWhite)};
  TCanvas c{bmp};
};

TEST_F(CanvasRect, FillRectExcludesRightAndBottom) {
  c.Brush.Color = clRed;
  c.FillRect({1, 1, 4, 3});
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clRed), (Pic{
                                                       "........",
                                                       ".###....",
                                                       ".###....",
                                                       "........",
                                                       "........",
                                                       "........",
                                                   }));
  c.FillRect({5, 5, 5, 6}, clBlue);    // empty: nothing
  c.FillRect({6, 4, 20, 20}, clBlue);  // cut at the image edge
  EXPECT_EQ(gfx_test::CountColor(bmp, clBlue), 4);
}

TEST_F(CanvasRect, ClearBrushFillsNothing) {
  c.Brush = {clRed, bsClear};
  c.FillRect({0, 0, 8, 6});
  c.FrameRect({0, 0, 8, 6});
  EXPECT_EQ(gfx_test::CountColor(bmp, clRed), 0);
}

TEST_F(CanvasRect, FrameRectUsesTheBrushColour) {
  c.Brush.Color = clBlue;
  c.FrameRect({1, 1, 6, 5});
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clBlue), (Pic{
                                                        "........",
                                                        ".#####..",
                                                        ".#...#..",
                                                        ".#...#..",
                                                        ".#####..",
                                                        "........",
                                                    }));
}

TEST_F(CanvasRect, RectangleOutlineWithPenInsideWithBrush) {
  c.Pen.Color = clBlack;
  c.Brush.Color = clYellow;
  c.Rectangle(1, 0, 7, 5);
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clBlack), (Pic{
                                                         ".######.",
                                                         ".#....#.",
                                                         ".#....#.",
                                                         ".#....#.",
                                                         ".######.",
                                                         "........",
                                                     }));
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clYellow, 'y'), (Pic{
                                                               "........",
                                                               "..yyyy..",
                                                               "..yyyy..",
                                                               "..yyyy..",
                                                               "........",
                                                               "........",
                                                           }));
}

TEST_F(CanvasRect, SwappedCornersDrawTheSameRectangle) {
  c.Rectangle(7, 5, 1, 0);
  TBitmap other(8, 6, PixelOf(clWhite));
  TCanvas o(other);
  o.Rectangle(1, 0, 7, 5);
  EXPECT_EQ(bmp, other);
}

TEST_F(CanvasRect, WidthTwoPenKeepsTheOutlineInside) {
  c.Pen.Width = 2;
  c.Brush.Color = clRed;
  c.Rectangle(0, 0, 7, 6);
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clBlack), (Pic{
                                                         "#######.",
                                                         "#######.",
                                                         "##...##.",
                                                         "##...##.",
                                                         "#######.",
                                                         "#######.",
                                                     }));
  EXPECT_EQ(gfx_test::CountColor(bmp, clRed), 6);
}

TEST_F(CanvasRect, ClearPenFillsOnePixelLessRightAndBottom) {
  c.Pen.Style = psClear;
  c.Brush.Color = clGreen;
  c.Rectangle(1, 1, 5, 4);
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clGreen), (Pic{
                                                         "........",
                                                         ".###....",
                                                         ".###....",
                                                         "........",
                                                         "........",
                                                         "........",
                                                     }));
}

TEST_F(CanvasRect, ClearBrushDrawsOnlyTheOutline) {
  c.Brush.Style = bsClear;
  c.Rectangle(0, 0, 3, 3);
  EXPECT_EQ(Picture(bmp, {0, 0, 4, 4}, clBlack), (Pic{"###.", "#.#.", "###.", "...."}));
}

TEST_F(CanvasRect, DottedPenAlternatesAlongTheOutline) {
  c.Pen.Style = psDot;
  c.Brush.Style = bsClear;
  c.Rectangle(0, 0, 7, 5);
  // Each edge restarts the pattern at its first pixel.
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clBlack),
            (Pic{"#.#.#.#.", "........", "#.....#.", "........", "#.#.#.#.", "........"}));
}

TEST_F(CanvasRect, FocusRectangleInvertsAlternatePixelsAndTwiceRestores) {
  c.FillRect({0, 0, 8, 6}, clBtnFace);
  const TBitmap before = bmp;
  c.DrawFocusRect({1, 1, 7, 5});
  const TColor inverted = MakeColor(0x0F, 0x0F, 0x0F);
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), inverted), (Pic{
                                                          "........",
                                                          ".#.#.#..",
                                                          "......#.",
                                                          ".#......",
                                                          "..#.#.#.",
                                                          "........",
                                                      }));
  c.DrawFocusRect({1, 1, 7, 5});
  EXPECT_EQ(bmp, before);
}

TEST_F(CanvasRect, InvertingPenTwiceRestoresEveryPixel) {
  // A busy background, so that every channel value is exercised.
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      bmp.Set(x, y, PixelOf(MakeColor(x * 37, y * 51, (x * y * 13) & 0xFF)));
    }
  }
  const TBitmap before = bmp;
  c.Pen = {MakeColor(0x12, 0x80, 0xFE), 1, psSolid, pmNotXor};
  c.Brush.Style = bsClear;
  c.Rectangle(1, 1, 7, 6);
  EXPECT_NE(bmp, before);
  // NOT (pen XOR pixel) on the outline.
  const std::uint32_t p = before.At(1, 1);
  EXPECT_EQ(c.Pixels(1, 1), (~(PixelOf(c.Pen.Color) ^ p)) & 0xFFFFFF);
  EXPECT_EQ(bmp.At(3, 3), before.At(3, 3));  // inside untouched
  c.Rectangle(1, 1, 7, 6);
  EXPECT_EQ(bmp, before);
}

TEST_F(CanvasRect, RubberBandWithWhitePenOnWhiteChangesNothing) {
  // The zoom band's pen colour is Pen XOR (FFFFFF - background): white here.
  c.Pen = {clWhite ^ (0xFFFFFF - clWhite), 1, psSolid, pmNotXor};
  c.Brush.Style = bsClear;
  c.Rectangle(0, 0, 8, 6);
  EXPECT_EQ(gfx_test::CountColor(bmp, clWhite), 48);
}

TEST_F(CanvasRect, XorAndNotModes) {
  c.Pen = {clWhite, 1, psSolid, pmXor};
  c.Line(0, 0, 4, 0);
  EXPECT_EQ(c.Pixels(0, 0), clBlack);
  c.Pen.Mode = pmNot;
  c.Line(0, 0, 2, 0);
  EXPECT_EQ(c.Pixels(1, 0), clWhite);
  EXPECT_EQ(c.Pixels(2, 0), clBlack);
  c.InvertRect({0, 0, 1, 1});
  EXPECT_EQ(c.Pixels(0, 0), clBlack);
}

TEST_F(CanvasRect, OriginShiftsEverything) {
  c.SetOrigin({3, 2});
  c.FillRect({0, 0, 2, 2}, clRed);
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clRed), (Pic{
                                                       "........",
                                                       "........",
                                                       "...##...",
                                                       "...##...",
                                                       "........",
                                                       "........",
                                                   }));
  EXPECT_EQ(c.Pixels(0, 0), clRed);
  EXPECT_EQ(c.Pixels(-3, -2), clWhite);
  EXPECT_EQ(c.Pixels(-4, 0), clNone);
  EXPECT_EQ(c.ClipBounds(), (TRect{-3, -2, 5, 4}));
}

}  // namespace
}  // namespace gfx
