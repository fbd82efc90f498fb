#include "gfx/shading.h"

#include <gtest/gtest.h>

#include "gfx/canvas.h"

namespace gfx {
namespace {

TEST(Shading, HslOfSystemColours) {
  EXPECT_EQ(ColorToHSL(clBtnFace), (THSL{0, 0, 226}));
  EXPECT_EQ(ColorToHSL(clBtnShadow), (THSL{0, 0, 151}));
  EXPECT_EQ(ColorToHSL(clHighlight), (THSL{138, 240, 101}));
  EXPECT_EQ(ColorToHSL(cl3DDkShadow), (THSL{0, 0, 99}));
  EXPECT_EQ(ColorToHSL(clRed), (THSL{0, 240, 120}));
  EXPECT_EQ(ColorToHSL(clBlue), (THSL{160, 240, 120}));
  EXPECT_EQ(ColorToHSL(clWhite), (THSL{0, 0, 240}));
}

TEST(Shading, HslRoundTripsThePrimaries) {
  for (TColor c : {clRed, clLime, clBlue, clYellow, clAqua, clFuchsia, clBlack, clWhite}) {
    EXPECT_EQ(HSLToColor(ColorToHSL(c)), c) << std::hex << c;
  }
}

TEST(Shading, LightenAndDarkenOnSystemColours) {
  // The status pane frame: clBtnShadow lightened by 30.
  EXPECT_EQ(Lighten(clBtnShadow, 30), MakeColor(192, 192, 192));
  // The toolbar gradient's bottom and the button's soft frame.
  EXPECT_EQ(Darken(clBtnFace, 10), MakeColor(230, 230, 230));
  EXPECT_EQ(Darken(clBtnFace, 20), MakeColor(219, 219, 219));
  EXPECT_EQ(Darken(clHighlight, 30), MakeColor(0, 83, 151));
  // Lightness past 240 saturates towards white.
  EXPECT_EQ(Lighten(clBtnFace, 20), clWhite);
  EXPECT_EQ(Lighten(clHighlight, 240), clWhite);
  // Darkening never goes below black.
  EXPECT_EQ(Darken(cl3DDkShadow, 500), clBlack);
}

TEST(Shading, AdjustPicksTheDirectionBySign) {
  EXPECT_EQ(Adjust(clBtnShadow, 30), Lighten(clBtnShadow, 30));
  EXPECT_EQ(Adjust(clBtnFace, -10), Darken(clBtnFace, 10));
  EXPECT_EQ(Adjust(clBtnShadow, 0), MakeColor(0xA0, 0xA0, 0xA0));
}

TEST(Shading, BlendWeightsOutOf255) {
  // The tool button tint: 77/255 of clHighlight over clWindow.
  const TColor tint = Blend(clHighlight, clWindow, 77);
  EXPECT_EQ(tint, MakeColor(178, 214, 243));
  EXPECT_EQ(Lighten(tint, 20), MakeColor(215, 233, 249));
  EXPECT_EQ(Darken(tint, 40), MakeColor(104, 174, 231));
  EXPECT_EQ(Blend(clWhite, 0x149BF0, 190), MakeColor(251, 230, 195));
  EXPECT_EQ(Blend(clRed, clBlue, 255), clRed);
  EXPECT_EQ(Blend(clRed, clBlue, 0), clBlue);
  // Out-of-range weights clamp rather than overflow.
  EXPECT_EQ(Blend(clRed, clBlue, 300), clRed);
  EXPECT_EQ(Blend(clRed, clBlue, -5), clBlue);
  // Halves round up: 255 * 128 / 255 + 0 = 128.
  EXPECT_EQ(RedOf(Blend(clWhite, clBlack, 128)), 128);
}

TEST(Shading, TooClose) {
  EXPECT_FALSE(TooClose(clHighlight, clBtnFace));  // lightness 101 vs 226
  EXPECT_TRUE(TooClose(clBtnFace, clWindow));      // hue 0, lightness 226 vs 240
  EXPECT_TRUE(TooClose(clBtnFace, cl3DLight));
  EXPECT_FALSE(TooClose(clRed, clBlue));             // same lightness, hues 0 and 160
  EXPECT_TRUE(TooClose(clBtnShadow, cl3DDkShadow));  // 151 vs 99
  EXPECT_TRUE(TooClose(clBtnShadow, MakeColor(0x80, 0x80, 0x80)));  // 151 vs 120
}

TEST(Shading, GradientRowsRunFromTopToBottom) {
  EXPECT_EQ(GradientColor(clBlack, clWhite, 0, 11), clBlack);
  EXPECT_EQ(GradientColor(clBlack, clWhite, 10, 11), clWhite);
  EXPECT_EQ(GradientColor(clBlack, clWhite, 5, 11), MakeColor(128, 128, 128));
  EXPECT_EQ(GradientColor(clRed, clBlue, 1, 3), MakeColor(128, 0, 128));
  // One row shows the top colour.
  EXPECT_EQ(GradientColor(clRed, clBlue, 0, 1), clRed);

  TBitmap bmp(4, 20);
  TCanvas c(bmp);
  FillGradient(c, {1, 2, 3, 18}, clWindow, Darken(clBtnFace, 10));
  EXPECT_EQ(c.Pixels(1, 2), clWhite);
  EXPECT_EQ(c.Pixels(2, 17), MakeColor(230, 230, 230));
  EXPECT_EQ(c.Pixels(0, 2), clBlack);   // outside the rectangle
  EXPECT_EQ(c.Pixels(1, 18), clBlack);  // bottom exclusive
  for (int y = 3; y < 18; ++y) {
    EXPECT_LE(RedOf(c.Pixels(1, y)), RedOf(c.Pixels(1, y - 1)));
    EXPECT_EQ(c.Pixels(1, y), c.Pixels(2, y));
  }
}

TEST(Shading, PaletteDisplaysPaintFlat) {
  TBitmap bmp(2, 10);
  TCanvas c(bmp);
  SetFullColor(false);
  FillGradientOrFlat(c, {0, 0, 2, 10}, clWhite, clBlack, clRed);
  SetFullColor(true);
  EXPECT_EQ(c.Pixels(0, 0), clRed);
  EXPECT_EQ(c.Pixels(1, 9), clRed);
  FillGradientOrFlat(c, {0, 0, 2, 10}, clWhite, clBlack, clRed);
  EXPECT_EQ(c.Pixels(0, 0), clWhite);
  EXPECT_EQ(c.Pixels(0, 9), clBlack);
  EXPECT_TRUE(IsFullColorDepth(16));
  EXPECT_FALSE(IsFullColorDepth(8));
}

}  // namespace
}  // namespace gfx
