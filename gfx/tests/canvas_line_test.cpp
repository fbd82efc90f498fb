#include <gtest/gtest.h>

#include <vector>

#include "gfx/canvas.h"
#include "pixel_helpers.h"

namespace gfx {
namespace {

using gfx_test::Picture;
using Pic = std::vector<std::string>;

class CanvasLine : public ::testing::Test {
 protected:
  TBitmap bmp{8, 6, PixelOf(clWhite)};
  TCanvas c{bmp};
  Pic Ink() const { return Picture(bmp, bmp.BoundsRect(), clBlack); }
};

TEST_F(CanvasLine, HorizontalLineLeavesOutItsEndPoint) {
  c.Line(1, 1, 5, 1);
  c.Line(6, 3, 2, 3);  // right to left: starts at 6, stops before 2
  EXPECT_EQ(Ink(), (Pic{
                       "........",
                       ".####...",
                       "........",
                       "...####.",
                       "........",
                       "........",
                   }));
}

TEST_F(CanvasLine, VerticalAndDiagonalLines) {
  c.Line(0, 0, 0, 4);
  c.Line(2, 0, 6, 4);
  EXPECT_EQ(Ink(), (Pic{
                       "#.#.....",
                       "#..#....",
                       "#...#...",
                       "#....#..",
                       "........",
                       "........",
                   }));
}

TEST_F(CanvasLine, ZeroLengthLineDrawsNothing) {
  c.Line(3, 3, 3, 3);
  EXPECT_EQ(gfx_test::CountColor(bmp, clBlack), 0);
}

TEST_F(CanvasLine, LineToChainsDrawEveryCornerOnce) {
  c.MoveTo(1, 1);
  c.LineTo(5, 1);
  c.LineTo(5, 4);
  EXPECT_EQ(c.PenPos(), (TPoint{5, 4}));
  EXPECT_EQ(Ink(), (Pic{
                       "........",
                       ".#####..",
                       ".....#..",
                       ".....#..",
                       "........",
                       "........",
                   }));
}

TEST_F(CanvasLine, ShallowSlopeCoversEachColumnOnce) {
  TBitmap wide(20, 10, PixelOf(clWhite));
  TCanvas w(wide);
  w.Line(0, 0, 12, 4);
  int lastRow = 0;
  for (int x = 0; x < 12; ++x) {
    int hits = 0;
    for (int y = 0; y < 10; ++y) {
      if (w.Pixels(x, y) == clBlack) {
        ++hits;
        EXPECT_GE(y, lastRow);
        EXPECT_LE(y, lastRow + 1);
        lastRow = y;
      }
    }
    EXPECT_EQ(hits, 1) << "column " << x;
  }
  EXPECT_EQ(gfx_test::CountColor(wide, clBlack), 12);
  EXPECT_EQ(w.Pixels(12, 4), clWhite);
}

TEST_F(CanvasLine, WidthTwoAddsTheRowAboveOrTheColumnLeft) {
  c.Pen.Width = 2;
  c.Line(1, 2, 6, 2);
  c.Line(4, 3, 4, 6);
  EXPECT_EQ(Ink(), (Pic{
                       "........",
                       ".#####..",
                       ".#####..",
                       "...##...",
                       "...##...",
                       "...##...",
                   }));
}

TEST_F(CanvasLine, PolylineLeavesOutOnlyTheLastPoint) {
  const std::vector<TPoint> pts = {{0, 0}, {3, 0}, {3, 3}, {0, 3}};
  c.MoveTo(7, 5);
  c.Polyline(pts);
  EXPECT_EQ(c.PenPos(), (TPoint{7, 5}));  // the current position is not used
  EXPECT_EQ(Picture(bmp, {0, 0, 5, 5}, clBlack), (Pic{
                                                     "####.",
                                                     "...#.",
                                                     "...#.",
                                                     ".###.",
                                                     ".....",
                                                 }));
}

TEST_F(CanvasLine, PolygonFillsInsideAndOutlinesEveryVertex) {
  c.Brush.Color = clRed;
  const std::vector<TPoint> box = {{1, 1}, {6, 1}, {6, 5}, {1, 5}};
  c.Polygon(box);
  EXPECT_EQ(Ink(), (Pic{
                       "........",
                       ".######.",
                       ".#....#.",
                       ".#....#.",
                       ".#....#.",
                       ".######.",
                   }));
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clRed, 'r'), (Pic{
                                                            "........",
                                                            "........",
                                                            "..rrrr..",
                                                            "..rrrr..",
                                                            "..rrrr..",
                                                            "........",
                                                        }));
}

TEST_F(CanvasLine, PolygonWithoutPenShowsTheRegionFill) {
  c.Pen.Style = psClear;
  c.Brush.Color = clBlue;
  const std::vector<TPoint> tri = {{0, 0}, {6, 0}, {0, 6}};
  c.Polygon(tri);
  EXPECT_EQ(Picture(bmp, bmp.BoundsRect(), clBlue), (Pic{
                                                        "######..",
                                                        "#####...",
                                                        "####....",
                                                        "###.....",
                                                        "##......",
                                                        "#.......",
                                                    }));
}

TEST_F(CanvasLine, DottedLineAndClearPen) {
  c.Pen.Style = psDot;
  c.Line(0, 0, 8, 0);
  c.Pen.Style = psClear;
  c.Line(0, 2, 8, 2);
  c.Pen.Style = psSolid;
  c.Pen.Color = clNone;
  c.Line(0, 3, 8, 3);
  EXPECT_EQ(Ink(), (Pic{
                       "#.#.#.#.",
                       "........",
                       "........",
                       "........",
                       "........",
                       "........",
                   }));
}

TEST_F(CanvasLine, LinesAreCutAtTheImageEdges) {
  c.Line(-5, 2, 20, 2);
  c.Line(3, -10, 3, 100);
  EXPECT_EQ(gfx_test::CountColor(bmp, clBlack), 8 + 6 - 1);
}

TEST_F(CanvasLine, SystemColourPensAreResolved) {
  c.Pen.Color = clBtnShadow;
  c.Line(0, 0, 1, 0);
  EXPECT_EQ(c.Pixels(0, 0), MakeColor(0xA0, 0xA0, 0xA0));
}

}  // namespace
}  // namespace gfx
