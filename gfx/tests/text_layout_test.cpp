#include <gtest/gtest.h>

#include "fake_text_engine.h"
#include "gfx/canvas.h"
#include "pixel_helpers.h"

namespace gfx {
namespace {

using gfx_test::InkBounds;
using gfx_test::TFixedEngine;

TEST(Prefix, AmpersandMarksTheNextCharacter) {
  int at = -2;
  int len = -2;
  EXPECT_EQ(StripPrefix("\xE5\x88\xB7\xE6\x96\xB0(&R)", &at, &len), "\xE5\x88\xB7\xE6\x96\xB0(R)");
  EXPECT_EQ(at, 7);  // two 3-byte characters and "("
  EXPECT_EQ(len, 1);
  EXPECT_EQ(StripPrefix("A&&B", &at, &len), "A&B");
  EXPECT_EQ(at, -1);
  EXPECT_EQ(len, 0);
  EXPECT_EQ(StripPrefix("&&&x", &at), "&x");
  EXPECT_EQ(at, 1);
  EXPECT_EQ(StripPrefix("&a&b", &at), "ab");
  EXPECT_EQ(at, 0);  // the first mark counts
  EXPECT_EQ(StripPrefix("end&", &at), "end");
  EXPECT_EQ(at, -1);
  // A marked multi-byte character is underlined whole.
  EXPECT_EQ(StripPrefix("&\xE5\x88\xB7", &at, &len), "\xE5\x88\xB7");
  EXPECT_EQ(len, 3);
}

TEST(Prefix, Accelerator) {
  EXPECT_EQ(AcceleratorOf("\xE5\x88\xB7\xE6\x96\xB0(&R)"), 'r');
  EXPECT_EQ(AcceleratorOf("\xE5\x85\xB3\xE4\xBA\x8E(&A)"), 'a');
  EXPECT_EQ(AcceleratorOf("Save && quit"), 0);
  EXPECT_EQ(AcceleratorOf("plain"), 0);
  EXPECT_EQ(AcceleratorOf("&\xE5\x88\xB7"), 0);  // not a key on the keyboard
}

class Text : public ::testing::Test {
 protected:
  Text() {
    c.SetTextEngine(&engine);
    c.Font.Color = clBlack;
  }
  gfx_test::TFixedEngine engine;
  TBitmap bmp{120, 60, PixelOf(clWhite)};
  TCanvas c{bmp};
  TRect Ink() const { return InkBounds(bmp, clWhite); }
};

TEST_F(Text, MeasuresWithTheEngine) {
  EXPECT_EQ(c.TextWidth("abc"), 18);
  EXPECT_EQ(c.TextHeight("W"), 10);
  EXPECT_EQ(c.TextHeight("Pp"), c.TextHeight("W"));
  EXPECT_EQ(c.TextExtent("a b"), (TSize{15, 10}));
}

TEST_F(Text, TextOutPutsTheCellTopLeftAtThePoint) {
  c.DrawTextAt(10, 5, "abc");
  const int w = c.TextWidth("abc");
  EXPECT_EQ(Ink(), (TRect{10, 5, 10 + w - 1, 5 + TFixedEngine::kAscent}));
  EXPECT_EQ(c.PenPos(), (TPoint{10 + w, 5}));
}

TEST_F(Text, RotatedTextOccupiesTheRotatedBox) {
  c.Font.Orientation = 900;
  const int w = c.TextWidth("abc");
  const int h = c.TextHeight("abc");
  c.DrawTextAt(20, 40, "abc");
  const TRect ink = Ink();
  // Reads bottom to top: x from 20 across the height, y from 40 upwards.
  EXPECT_EQ(ink, (TRect{20, 40 - (w - 1), 20 + TFixedEngine::kAscent, 40}));
  EXPECT_LE(ink.Width(), h);
  // The first character sits at the bottom: its last column is a gap.
  EXPECT_EQ(c.Pixels(20, 39), clBlack);
  EXPECT_EQ(c.Pixels(20, 40 - 6), clWhite);
}

TEST_F(Text, UnderlinedFont) {
  c.Font.Underline = true;
  c.DrawTextAt(0, 0, "ab");
  const int row = TFixedEngine::kAscent + 1;  // ascent + underline position
  for (int x = 0; x < c.TextWidth("ab"); ++x) {
    EXPECT_EQ(c.Pixels(x, row), clBlack) << x;
  }
  EXPECT_EQ(c.Pixels(c.TextWidth("ab"), row), clWhite);
  EXPECT_EQ(c.Pixels(0, row - 1), clWhite);
}

TEST_F(Text, PrefixUnderlinesTheMarkedCharacterOnly) {
  TRect r{0, 0, 100, 20};
  c.DrawTextIn("ab&cd", r, dtSingleLine);
  const int row = TFixedEngine::kAscent + 1;
  const int from = c.TextWidth("ab");
  const int to = c.TextWidth("abc");
  for (int x = 0; x < 40; ++x) {
    EXPECT_EQ(c.Pixels(x, row), x >= from && x < to ? clBlack : clWhite) << x;
  }
  // Four characters drawn, not five: the "&" is gone.
  EXPECT_EQ(Ink().Right, c.TextWidth("abcd") - 1);
}

TEST_F(Text, DoubleAmpersandIsALiteralWithoutUnderline) {
  TRect r{0, 0, 100, 20};
  c.DrawTextIn("a&&b", r, dtSingleLine);
  EXPECT_EQ(Ink(), (TRect{0, 0, c.TextWidth("a&b") - 1, TFixedEngine::kAscent}));
}

TEST_F(Text, NoPrefixShowsTheAmpersand) {
  TRect r{0, 0, 100, 20};
  c.DrawTextIn("a&b", r, dtSingleLine | dtNoPrefix);
  EXPECT_EQ(Ink(), (TRect{0, 0, c.TextWidth("a&b") - 1, TFixedEngine::kAscent}));
}

TEST_F(Text, WordWrapMeasuresTheWrappedRectangle) {
  const std::string text = "aaa bbb ccc";
  const int two = c.TextWidth("aaa bbb");
  TRect r{5, 3, 5 + two + 1, 3};
  const int h = c.DrawTextIn(text, r, dtWordBreak | dtCalcRect);
  EXPECT_EQ(h, 2 * c.TextHeight("W"));
  EXPECT_EQ(r, (TRect{5, 3, 5 + two, 3 + h}));
  EXPECT_EQ(Ink(), TRect{});  // measuring draws nothing

  // One pixel narrower and every word takes a line.
  TRect narrow{0, 0, two - 1, 0};
  EXPECT_EQ(c.DrawTextIn(text, narrow, dtWordBreak | dtCalcRect), 3 * c.TextHeight("W"));
  EXPECT_EQ(narrow.Right, c.TextWidth("aaa"));
}

TEST_F(Text, ALongWordOverflowsInsteadOfBreaking) {
  TRect r{0, 0, 20, 0};
  c.DrawTextIn("abcdefgh ij", r, dtWordBreak | dtCalcRect);
  EXPECT_EQ(r.Right, c.TextWidth("abcdefgh"));
  EXPECT_EQ(r.Bottom, 2 * c.TextHeight("W"));
}

TEST_F(Text, ChineseBreaksBetweenAnyCharacters) {
  const std::string four = "\xE5\x88\xB7\xE6\x96\xB0\xE5\x88\xB7\xE6\x96\xB0";  // 刷新刷新
  const int oneChar = c.TextWidth("\xE5\x88\xB7");
  TRect r{0, 0, 3 * oneChar - 1, 0};
  c.DrawTextIn(four, r, dtWordBreak | dtCalcRect);
  EXPECT_EQ(r.Right, 2 * oneChar);
  EXPECT_EQ(r.Bottom, 2 * c.TextHeight("W"));
}

TEST_F(Text, CentredWrappedLinesInTheMeasuredRectangle) {
  const std::string text = "aa bbbb";
  TRect calc{0, 0, c.TextWidth("bbbb") + 2, 0};
  c.DrawTextIn(text, calc, dtWordBreak | dtCenter | dtCalcRect);
  TRect box{10, 10, 10 + calc.Width(), 10 + calc.Height()};
  c.DrawTextIn(text, box, dtWordBreak | dtCenter);
  const int lh = c.TextHeight("W");
  // Line 1 "aa" is centred over the wider line 2.
  const int x1 = box.Left + (box.Width() - c.TextWidth("aa")) / 2;
  EXPECT_EQ(InkBounds(bmp.Crop({0, 0, 120, 10 + lh}), clWhite),
            (TRect{x1, 10, x1 + c.TextWidth("aa") - 1, 10 + TFixedEngine::kAscent}));
  EXPECT_EQ(Ink(), (TRect{box.Left, 10, box.Left + c.TextWidth("bbbb") - 1,
                          10 + lh + TFixedEngine::kAscent}));
}

TEST_F(Text, SingleLineAlignment) {
  TRect r{0, 0, 100, 30};
  const int w = c.TextWidth("ab");
  const int top = (30 - c.TextHeight("ab")) / 2;
  EXPECT_EQ(c.DrawTextIn("ab", r, dtSingleLine | dtVCenter | dtRight), top + c.TextHeight("ab"));
  EXPECT_EQ(Ink(), (TRect{100 - w, top, 100 - 1, top + TFixedEngine::kAscent}));
  bmp.Fill(PixelOf(clWhite));
  c.DrawTextIn("ab", r, dtSingleLine | dtBottom | dtCenter);
  EXPECT_EQ(Ink(), (TRect{(100 - w) / 2, 30 - c.TextHeight("ab"), (100 - w) / 2 + w - 1,
                          30 - c.TextHeight("ab") + TFixedEngine::kAscent}));
}

TEST_F(Text, TextIsClippedToTheRectangleUnlessNoClip) {
  TRect r{0, 0, 10, 5};
  c.DrawTextIn("abcdef", r, dtSingleLine);
  EXPECT_EQ(Ink(), (TRect{0, 0, 10, 5}));
  bmp.Fill(PixelOf(clWhite));
  c.DrawTextIn("abcdef", r, dtSingleLine | dtNoClip);
  EXPECT_EQ(Ink(), (TRect{0, 0, c.TextWidth("abcdef") - 1, TFixedEngine::kAscent}));
  EXPECT_EQ(c.ClipDepth(), 0);
}

TEST_F(Text, TabsExpandToStopsOfEightAverageWidths) {
  TRect r{0, 0, 120, 20};
  const int stop = 8 * c.FontMetrics().AveCharWidth;
  c.DrawTextIn("a\tb", r, dtSingleLine | dtExpandTabs);
  EXPECT_EQ(c.Pixels(stop, 0), clBlack);
  EXPECT_EQ(c.Pixels(stop - 1, 0), clWhite);
  TRect calc{0, 0, 0, 0};
  c.DrawTextIn("a\tb", calc, dtSingleLine | dtExpandTabs | dtCalcRect);
  EXPECT_EQ(calc.Right, stop + c.TextWidth("b"));
  TRect plain{0, 0, 0, 0};
  c.DrawTextIn("a\tb", plain, dtSingleLine | dtCalcRect);
  EXPECT_EQ(plain.Right, c.TextWidth("a\tb"));
}

TEST_F(Text, LineBreaksAndEmptyText) {
  TRect r{0, 0, 100, 0};
  EXPECT_EQ(c.DrawTextIn("a\r\nbb\n\nc", r, dtCalcRect), 4 * c.TextHeight("W"));
  EXPECT_EQ(r.Right, c.TextWidth("bb"));
  TRect single{0, 0, 100, 0};
  EXPECT_EQ(c.DrawTextIn("a\nb", single, dtCalcRect | dtSingleLine), c.TextHeight("W"));
  TRect empty{3, 4, 50, 50};
  EXPECT_EQ(c.DrawTextIn("", empty, dtCalcRect | dtWordBreak), 0);
  EXPECT_EQ(empty, (TRect{3, 4, 3, 4}));
  TRect draw{0, 0, 100, 40};
  EXPECT_EQ(c.DrawTextIn("a\nb", draw, 0), 2 * c.TextHeight("W"));
  EXPECT_EQ(Ink().Bottom, c.TextHeight("W") + TFixedEngine::kAscent);
}

TEST_F(Text, TextRectClipsAndColourNoneDrawsNothing) {
  c.TextRect({0, 0, 4, 4}, 0, 0, "abc");
  EXPECT_EQ(Ink(), (TRect{0, 0, 4, 4}));
  bmp.Fill(PixelOf(clWhite));
  c.Font.Color = clNone;
  c.DrawTextAt(0, 0, "abc");
  EXPECT_EQ(Ink(), TRect{});
}

TEST_F(Text, DrawsInTheFontColourOverTheBackground) {
  c.FillRect({0, 0, 120, 60}, clBtnFace);
  c.Font.Color = clBlue;
  c.DrawTextAt(0, 0, "a");
  EXPECT_EQ(c.Pixels(0, 0), clBlue);
  EXPECT_EQ(c.Pixels(5, 0), MakeColor(0xF0, 0xF0, 0xF0));  // the gap stays: transparent
}

TEST(BoxEngine, IsTheDefaultAndDeterministic) {
  SetDefaultTextEngine(nullptr);
  EXPECT_EQ(&DefaultTextEngine(), &BoxTextEngine());
  TBitmap a(60, 20, PixelOf(clWhite));
  TBitmap b(60, 20, PixelOf(clWhite));
  TCanvas ca(a);
  TCanvas cb(b);
  ca.Font.Color = cb.Font.Color = clBlack;
  ca.DrawTextAt(1, 1, "Wp \xE5\x88\xB7");
  cb.DrawTextAt(1, 1, "Wp \xE5\x88\xB7");
  EXPECT_EQ(a, b);
  EXPECT_NE(InkBounds(a, clWhite), TRect{});
  EXPECT_EQ(ca.TextHeight("W"), ca.Font.Height);
  EXPECT_GT(ca.TextWidth("\xE5\x88\xB7"), ca.TextWidth("a"));
}

}  // namespace
}  // namespace gfx
