#include "gfx/edge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/canvas.h"

namespace gfx {
namespace {

// One letter per pixel: L 3D light, D dark shadow, H highlight, S shadow, . untouched.
std::vector<std::string> Edge(TEdgeStyle style) {
  TBitmap image(6, 5, PixelOf(clWhite));
  TCanvas canvas(image);
  canvas.FillRect({0, 0, 6, 5}, clBlue);
  DrawEdge(canvas, {0, 0, 6, 5}, style);
  std::vector<std::string> rows;
  for (int y = 0; y < 5; ++y) {
    std::string row;
    for (int x = 0; x < 6; ++x) {
      const TColor c = canvas.Pixels(x, y);
      row += c == ColorToRGB(cl3DLight)        ? 'L'
             : c == ColorToRGB(cl3DDkShadow)   ? 'D'
             : c == ColorToRGB(clBtnHighlight) ? 'H'
             : c == ColorToRGB(clBtnShadow)    ? 'S'
                                               : '.';
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(Edge, RaisedIsLightAboveAndDarkBelow) {
  EXPECT_EQ(Edge(esRaised), (std::vector<std::string>{
                                "LLLLLD",
                                "LHHHSD",
                                "LH..SD",
                                "LSSSSD",
                                "DDDDDD",
                            }));
}

TEST(Edge, SunkenIsDarkAboveAndLightBelow) {
  EXPECT_EQ(Edge(esSunken), (std::vector<std::string>{
                                "SSSSSH",
                                "SDDDLH",
                                "SD..LH",
                                "SLLLLH",
                                "HHHHHH",
                            }));
}

}  // namespace
}  // namespace gfx
