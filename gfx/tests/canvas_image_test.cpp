#include <gtest/gtest.h>

#include "gfx/canvas.h"
#include "gfx/image_list.h"
#include "gfx/shading.h"
#include "pixel_helpers.h"

namespace gfx {
namespace {

using gfx_test::Picture;
using Pic = std::vector<std::string>;

TBitmap Checker(int w, int h, TColor a, TColor b) {
  TBitmap bmp(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      bmp.Set(x, y, PixelOf((x + y) % 2 == 0 ? a : b));
    }
  }
  return bmp;
}

TEST(CanvasImage, DrawCopiesAndCutsAtTheEdges) {
  TBitmap dst(6, 4, PixelOf(clWhite));
  TCanvas c(dst);
  const TBitmap src(3, 3, PixelOf(clRed));
  c.Draw(-1, -1, src);
  c.Draw(4, 2, src);
  EXPECT_EQ(Picture(dst, dst.BoundsRect(), clRed), (Pic{"##....", "##....", "....##", "....##"}));
}

TEST(CanvasImage, DrawPartOfAnImage) {
  TBitmap dst(4, 4, PixelOf(clWhite));
  TCanvas c(dst);
  const TBitmap src = Checker(4, 4, clRed, clBlue);
  c.Draw(0, 0, src, {1, 0, 3, 2});
  EXPECT_EQ(c.Pixels(0, 0), clBlue);
  EXPECT_EQ(c.Pixels(1, 0), clRed);
  EXPECT_EQ(c.Pixels(0, 1), clRed);
  EXPECT_EQ(c.Pixels(2, 0), clWhite);
  EXPECT_EQ(c.Pixels(0, 2), clWhite);
}

TEST(CanvasImage, AlphaBlending) {
  TBitmap dst(3, 1, PixelOf(clBlue));
  TCanvas c(dst);
  TBitmap src(3, 1);
  src.Set(0, 0, PixelOf(clRed) & 0x00FFFFFF);  // alpha 0
  src.Set(1, 0, PixelOf(clRed));               // alpha 255
  src.Set(2, 0, (PixelOf(clRed) & 0x00FFFFFF) | 0x80000000);
  src.SetHasAlpha(true);
  c.DrawAlpha(0, 0, src);
  EXPECT_EQ(c.Pixels(0, 0), clBlue);
  EXPECT_EQ(c.Pixels(1, 0), clRed);
  // (255 * 128 + 0 * 127) / 255 and (0 * 128 + 255 * 127) / 255, rounded.
  EXPECT_EQ(c.Pixels(2, 0), MakeColor(128, 0, 127));
  EXPECT_EQ(AlphaOf(dst.At(2, 0)), 255);
}

TEST(CanvasImage, MaskBlackDrawsWhiteKeeps) {
  TBitmap dst(3, 2, PixelOf(clWhite));
  TCanvas c(dst);
  const TBitmap src(3, 2, PixelOf(clGreen));
  TBitmap mask(3, 2, PixelOf(clWhite));
  mask.Set(0, 0, PixelOf(clBlack));
  mask.Set(2, 1, PixelOf(clBlack));
  c.DrawMasked(0, 0, src, mask);
  EXPECT_EQ(Picture(dst, dst.BoundsRect(), clGreen), (Pic{"#..", "..#"}));
}

TEST(CanvasImage, GreyedImageUsesLumaAndKeepsTransparency) {
  TBitmap dst(2, 1, PixelOf(clWhite));
  TCanvas c(dst);
  TBitmap src(2, 1);
  src.Set(0, 0, PixelOf(clRed));
  src.Set(1, 0, PixelOf(clBlack) & 0x00FFFFFF);
  src.SetHasAlpha(true);
  c.DrawGreyed(0, 0, src);
  EXPECT_EQ(c.Pixels(0, 0), MakeColor(76, 76, 76));  // 0.299 * 255
  EXPECT_EQ(c.Pixels(1, 0), clWhite);
}

TEST(CanvasImage, BlendPixelWeights) {
  TBitmap dst(3, 1, PixelOf(clWhite));
  TCanvas c(dst);
  c.BlendPixel(0, 0, clBlack, 30);  // the card shadow's first line
  c.BlendPixel(1, 0, clBlack, 15);  // and its second
  c.BlendPixel(2, 0, clBlack, 30);
  c.BlendPixel(2, 0, clBlack, 30);
  EXPECT_EQ(c.Pixels(0, 0), MakeColor(225, 225, 225));
  EXPECT_EQ(c.Pixels(1, 0), MakeColor(240, 240, 240));
  EXPECT_EQ(c.Pixels(2, 0), Blend(clBlack, MakeColor(225, 225, 225), 30));
  c.BlendPixel(7, 7, clBlack, 255);  // outside: nothing
  c.BlendPixel(0, 0, clNone, 255);
  EXPECT_EQ(c.Pixels(0, 0), MakeColor(225, 225, 225));
}

TEST(CanvasImage, PixelsReadAndWrite) {
  TBitmap dst(2, 2, PixelOf(clWhite));
  TCanvas c(dst);
  c.SetPixel(1, 1, clHighlight);
  EXPECT_EQ(c.Pixels(1, 1), MakeColor(0x00, 0x78, 0xD7));
  c.SetPixel(0, 0, clNone);
  EXPECT_EQ(c.Pixels(0, 0), clWhite);
  EXPECT_EQ(c.Pixels(2, 0), clNone);
  EXPECT_EQ(c.Pixels(0, -1), clNone);
}

TEST(ImageList, AddsOnlyImagesOfItsSize) {
  TImageList list(16, 16);
  EXPECT_EQ(list.Add(TBitmap(16, 16)), 0);
  EXPECT_EQ(list.Add(TBitmap(32, 32)), -1);
  EXPECT_EQ(list.AddMasked(TBitmap(16, 15), clWhite), -1);
  EXPECT_EQ(list.Count(), 1);
  // An image without alpha becomes fully opaque.
  EXPECT_EQ(AlphaOf(list.Image(0).At(3, 3)), 255);
}

TEST(ImageList, MaskedAndTransparentColourAndStrip) {
  TImageList list(2, 2);
  TBitmap img(2, 2, PixelOf(clRed));
  img.Set(1, 0, PixelOf(clFuchsia));
  ASSERT_EQ(list.AddMasked(img, clFuchsia), 0);
  TBitmap mask(2, 2, PixelOf(clBlack));
  mask.Set(0, 1, PixelOf(clWhite));
  ASSERT_EQ(list.Add(TBitmap(2, 2, PixelOf(clBlue)), mask), 1);
  TBitmap strip(6, 2, PixelOf(clGreen));
  strip.Set(4, 0, PixelOf(clYellow));
  EXPECT_EQ(list.AddStrip(strip), 3);
  EXPECT_EQ(list.AddStrip(TBitmap(5, 2)), -1);
  ASSERT_EQ(list.Count(), 5);
  EXPECT_EQ(ColorOfPixel(list.Image(4).At(0, 0)), clYellow);

  TBitmap dst(4, 2, PixelOf(clWhite));
  TCanvas c(dst);
  list.Draw(c, 0, 0, 0);
  list.Draw(c, 2, 0, 1);
  list.Draw(c, 0, 0, 9);   // out of range: nothing
  list.Draw(c, 0, 0, -1);  // none
  EXPECT_EQ(Picture(dst, dst.BoundsRect(), clRed, 'r'), (Pic{"r...", "rr.."}));
  EXPECT_EQ(Picture(dst, dst.BoundsRect(), clBlue, 'b'), (Pic{"..bb", "...b"}));
  list.Draw(c, 0, 0, 0, false);
  EXPECT_EQ(c.Pixels(0, 0), MakeColor(76, 76, 76));
  EXPECT_EQ(c.Pixels(1, 0), clWhite);
}

TEST(Png, WithoutACodecLoadAndSaveFail) {
  TPngCodec* saved = PngCodec();
  SetPngCodec(nullptr);
  std::string error;
  TBitmap bmp;
  EXPECT_FALSE(LoadPng("/nonexistent.png", bmp, &error));
  EXPECT_EQ(error, "no PNG codec installed");
  EXPECT_FALSE(SavePng("/tmp/x.png", TBitmap(1, 1)));
  TImageList list(2, 2);
  EXPECT_EQ(list.AddPngStrip("/nonexistent.png"), -1);
  SetPngCodec(saved);
}

}  // namespace
}  // namespace gfx
