// Real fonts through the canvas: expectations come from measured sizes.
#include <gtest/gtest.h>

#include <string>

#include "freetype_engine.h"
#include "gfx/canvas.h"
#include "gfx/tests/pixel_helpers.h"
#include "linux_gfx.h"

namespace {

using gfx::TBitmap;
using gfx::TCanvas;
using gfx::TRect;
using gfx_test::DarkPixels;
using gfx_test::InkBounds;

const std::string kRefresh = "\xE5\x88\xB7\xE6\x96\xB0(&R)";  // 刷新(&R)
const std::string kRefreshShown = "\xE5\x88\xB7\xE6\x96\xB0(R)";
const std::string kLogTitle =
    "\xE5\xBC\x80\xE6\x9C\xBA/\xE5\x85\xB3\xE6\x9C\xBA\xE6\x97\xA5\xE5\xBF\x97";  // 开机/关机日志
const std::string kHours = "(\xE5\xB0\x8F\xE6\x97\xB6)";                          // (小时)

class RealText : public ::testing::Test {
 protected:
  RealText() {
    c.SetTextEngine(&platform_linux::LinuxTextEngine());
    c.Font.Name = "Arial";
    c.Font.Height = 11;
    c.Font.Color = gfx::clBlack;
  }
  TBitmap bmp{300, 120, gfx::PixelOf(gfx::clWhite)};
  TCanvas c{bmp};
};

TEST_F(RealText, ChineseDrawsEveryCharacterFromTheFallbackFace) {
  c.Font.Height = 13;
  c.Font.Bold = true;
  c.DrawTextAt(10, 10, kLogTitle);
  const TRect ink = InkBounds(bmp, gfx::clWhite);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 10);
  EXPECT_LE(ink.Right, 10 + c.TextWidth(kLogTitle));
  EXPECT_GE(ink.Top, 10);
  EXPECT_LE(ink.Bottom, 10 + c.TextHeight(kLogTitle));
  // Each character's advance holds ink of its own.
  int x = 10;
  for (std::size_t i = 0; i < kLogTitle.size();) {
    const std::size_t len = kLogTitle[i] == '/' ? 1 : 3;
    const std::string ch = kLogTitle.substr(i, len);
    const int w = c.TextWidth(ch);
    EXPECT_GT(DarkPixels(bmp, {x, 10, x + w, 10 + c.TextHeight(ch)}), 2) << ch;
    x += w;
    i += len;
  }
}

TEST_F(RealText, AcceleratorUnderlineSitsUnderTheMarkedLetter) {
  TRect r{5, 5, 200, 40};
  c.DrawTextIn(kRefresh, r, gfx::dtSingleLine);
  const gfx::TFontMetrics m = c.FontMetrics();
  const int row = 5 + m.Ascent + m.UnderlinePosition;
  const int from = 5 + c.TextWidth("\xE5\x88\xB7\xE6\x96\xB0(");
  const int to = 5 + c.TextWidth("\xE5\x88\xB7\xE6\x96\xB0(R");
  for (int x = from; x < to; ++x) {
    EXPECT_EQ(c.Pixels(x, row), gfx::clBlack) << x;
  }
  // Apart from that underline the result is the text without "&".
  TBitmap plain(300, 120, gfx::PixelOf(gfx::clWhite));
  TCanvas p(plain);
  p.SetTextEngine(&platform_linux::LinuxTextEngine());
  p.Font = c.Font;
  p.DrawTextAt(5, 5, kRefreshShown);
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 300; ++x) {
      if (plain.At(x, y) != bmp.At(x, y)) {
        EXPECT_EQ(y, row) << x;
        EXPECT_TRUE(x >= from && x < to) << x;
      }
    }
  }
  for (int x = from; x < to; ++x) {
    plain.Set(x, row, bmp.At(x, row));
  }
  EXPECT_EQ(plain, bmp);
}

TEST_F(RealText, DoubleAmpersandDrawsOneAmpersandAndNoUnderline) {
  TRect r{0, 0, 200, 40};
  c.DrawTextIn("A&&B", r, gfx::dtSingleLine);
  TBitmap plain(300, 120, gfx::PixelOf(gfx::clWhite));
  TCanvas p(plain);
  p.SetTextEngine(&platform_linux::LinuxTextEngine());
  p.Font = c.Font;
  p.DrawTextAt(0, 0, "A&B");
  EXPECT_EQ(plain, bmp);
}

TEST_F(RealText, WrappedAndCentredInTheMeasuredRectangle) {
  const std::string text =
      "(2)\xE7\xBB\x98\xE5\x88\xB6\xE5\xB7\xA5\xE4\xBD\x9C time chart of the week";
  const int width = c.TextWidth("(2)\xE7\xBB\x98\xE5\x88\xB6\xE5\xB7\xA5\xE4\xBD\x9C time");
  TRect calc{20, 10, 20 + width, 10};
  const int h = c.DrawTextIn(text, calc, gfx::dtWordBreak | gfx::dtCenter | gfx::dtCalcRect);
  const int lh = c.TextHeight("W");
  ASSERT_EQ(h % lh, 0);
  const int lines = h / lh;
  EXPECT_GE(lines, 2);
  EXPECT_LE(calc.Width(), width);
  EXPECT_EQ(calc.Bottom, 10 + h);

  TRect box = calc;
  c.DrawTextIn(text, box, gfx::dtWordBreak | gfx::dtCenter);
  const TRect ink = InkBounds(bmp, gfx::clWhite);
  EXPECT_GE(ink.Left, calc.Left);
  EXPECT_LE(ink.Right, calc.Right);
  EXPECT_GE(ink.Top, calc.Top);
  EXPECT_LE(ink.Bottom, calc.Bottom);
  // Every line has ink, and each line is centred: its ink is balanced
  // within a pixel or two of the box's middle.
  for (int i = 0; i < lines; ++i) {
    const TRect band = InkBounds(bmp, gfx::clWhite, {0, 10 + i * lh, 300, 10 + (i + 1) * lh});
    ASSERT_FALSE(band.IsEmpty()) << "line " << i;
    const int leftGap = band.Left - calc.Left;
    const int rightGap = calc.Right - band.Right;
    EXPECT_LE(std::abs(leftGap - rightGap), 3) << "line " << i;
  }
}

TEST_F(RealText, RotatedTitleOccupiesTheRotatedBox) {
  c.Font.Orientation = 900;
  const int w = c.TextWidth(kHours);
  const int h = c.TextHeight(kHours);
  const int x = 50;
  const int y = 100;
  c.DrawTextAt(x, y, kHours);
  const TRect ink = InkBounds(bmp, gfx::clWhite);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, x);
  EXPECT_LE(ink.Right, x + h);
  EXPECT_GE(ink.Top, y - w);
  EXPECT_LE(ink.Bottom, y);
  EXPECT_GT(ink.Height(), ink.Width());  // it stands upright
  EXPECT_GT(ink.Height(), w - 4);
  // The same text unrotated has its ink box transposed.
  TBitmap flat(300, 120, gfx::PixelOf(gfx::clWhite));
  TCanvas f(flat);
  f.SetTextEngine(&platform_linux::LinuxTextEngine());
  f.Font = c.Font;
  f.Font.Orientation = 0;
  f.DrawTextAt(0, 0, kHours);
  const TRect flatInk = InkBounds(flat, gfx::clWhite);
  EXPECT_EQ(flatInk.Width(), ink.Height());
  EXPECT_EQ(flatInk.Height(), ink.Width());
  EXPECT_EQ(flatInk.Top, ink.Left - x);     // the text's top faces left
  EXPECT_EQ(flatInk.Left, y - ink.Bottom);  // its start is at the bottom
}

TEST_F(RealText, DateTextMeasuresAndDraws) {
  const int w = c.TextWidth("2009-03-10");
  EXPECT_GT(w, 0);
  c.DrawTextAt(0, 0, "2009-03-10");
  const TRect ink = InkBounds(bmp, gfx::clWhite);
  EXPECT_LE(ink.Right, w);
  EXPECT_GE(ink.Right, w - 2);  // digits fill nearly their whole advance
}

TEST_F(RealText, SameTextSamePixelsAcrossEngines) {
  platform_linux::TFreeTypeEngine other;
  TBitmap a(300, 40, gfx::PixelOf(gfx::clWhite));
  TBitmap b(300, 40, gfx::PixelOf(gfx::clWhite));
  TCanvas ca(a);
  TCanvas cb(b);
  ca.SetTextEngine(&platform_linux::LinuxTextEngine());
  cb.SetTextEngine(&other);
  for (TCanvas* cv : {&ca, &cb}) {
    cv->Font = c.Font;
    cv->Font.Name = "Verdana";
    cv->Font.Underline = true;
    cv->DrawTextAt(2, 2, kRefreshShown + " Dorvex 2009-03-10");
    cv->Font.Name = "MS Sans Serif";
    cv->Font.Underline = false;
    cv->DrawTextAt(2, 20, "MS Sans Serif " + kLogTitle);
  }
  EXPECT_EQ(a, b);
  other.ClearCache();
  TBitmap again(300, 40, gfx::PixelOf(gfx::clWhite));
  TCanvas cc(again);
  cc.SetTextEngine(&other);
  cc.Font = cb.Font;
  cc.Font.Name = "Verdana";
  cc.Font.Underline = true;
  cc.DrawTextAt(2, 2, kRefreshShown + " Dorvex 2009-03-10");
  cc.Font.Name = "MS Sans Serif";
  cc.Font.Underline = false;
  cc.DrawTextAt(2, 20, "MS Sans Serif " + kLogTitle);
  EXPECT_EQ(again, a);
}

TEST_F(RealText, InstallMakesTheEngineTheDefault) {
  platform_linux::InstallLinuxGfx();
  EXPECT_EQ(&gfx::DefaultTextEngine(), &platform_linux::LinuxTextEngine());
  EXPECT_EQ(gfx::PngCodec(), &platform_linux::LibpngCodec());
  TCanvas d(bmp);
  d.Font = c.Font;
  EXPECT_EQ(d.TextWidth(kLogTitle), c.TextWidth(kLogTitle));
  gfx::SetDefaultTextEngine(nullptr);
}

}  // namespace
