#include <gtest/gtest.h>

#include "fake_text_engine.h"
#include "gfx/canvas.h"
#include "gfx/text_layout.h"
#include "pixel_helpers.h"

namespace gfx {
namespace {

using gfx_test::InkBounds;
using gfx_test::TFixedEngine;

// The fixed engine: 6 per character, 3 per blank, 12 per wide character, lines of 10.
class MeasureTextTest : public ::testing::Test {
 protected:
  TFixedEngine engine;
  TFont font;
};

TEST_F(MeasureTextTest, OneLineByDefaultWithTheAmpersandKept) {
  EXPECT_EQ(MeasureText(engine, font, "abc"), (TSize{18, 10}));
  EXPECT_EQ(MeasureText(engine, font, "a&b"), (TSize{18, 10}));
  EXPECT_EQ(MeasureText(engine, font, "a\nb"), (TSize{engine.TextWidth(font, "a\nb"), 10}));
  EXPECT_EQ(MeasureText(engine, font, ""), (TSize{0, 0}));
}

TEST_F(MeasureTextTest, PrefixAndTabsAsDrawTextTakesThem) {
  EXPECT_EQ(MeasureText(engine, font, "&Refresh", dtSingleLine).Width, 7 * 6);
  EXPECT_EQ(MeasureText(engine, font, "a&&b", dtSingleLine).Width, 3 * 6);
  // Tab stops every 8 average character widths (6 here).
  EXPECT_EQ(MeasureText(engine, font, "a\tb", dtSingleLine | dtExpandTabs).Width, 48 + 6);
  EXPECT_EQ(MeasureText(engine, font, "a\tb", dtSingleLine).Width, 6 + 3 + 6);
}

TEST_F(MeasureTextTest, LinesAndWordWrap) {
  EXPECT_EQ(MeasureText(engine, font, "a\r\nbb\n\nc", 0), (TSize{12, 40}));
  // "aaa bbb" is 39 wide: at 38 it wraps into two lines of 18.
  EXPECT_EQ(MeasureText(engine, font, "aaa bbb", dtWordBreak, 39), (TSize{39, 10}));
  EXPECT_EQ(MeasureText(engine, font, "aaa bbb", dtWordBreak, 38), (TSize{18, 20}));
  // A word wider than the line stays whole.
  EXPECT_EQ(MeasureText(engine, font, "abcdefgh ij", dtWordBreak, 20), (TSize{48, 20}));
  // Chinese text breaks between any two characters.
  EXPECT_EQ(MeasureText(engine, font, "\xE5\x88\xB7\xE6\x96\xB0\xE5\x88\xB7", dtWordBreak, 30),
            (TSize{24, 20}));
}

TEST_F(MeasureTextTest, EachEngineMeasuresItsOwnGlyphs) {
  const TSize fixed = MeasureText(engine, font, "Wp");
  const TSize boxes = MeasureText(BoxTextEngine(), font, "Wp");
  EXPECT_EQ(fixed, (TSize{12, 10}));
  EXPECT_EQ(boxes, (TSize{BoxTextEngine().TextWidth(font, "Wp"), font.Height}));
  EXPECT_NE(fixed, boxes);
}

TEST_F(MeasureTextTest, WhatIsMeasuredIsWhatGetsDrawn) {
  const char* text = "one two three\n\xE5\x88\xB7\xE6\x96\xB0 &four";
  const unsigned flags = dtWordBreak | dtCenter;
  const TSize size = MeasureText(engine, font, text, flags, 50);
  TBitmap bmp(120, 80, PixelOf(clWhite));
  TCanvas c(bmp);
  c.SetTextEngine(&engine);
  c.Font = font;
  c.Font.Color = clBlack;
  TRect box{10, 5, 10 + size.Width, 5 + size.Height};
  c.DrawTextIn(text, box, flags | dtNoClip);
  const TRect ink = InkBounds(bmp, clWhite);
  // Blocks end one column short of their advance; the accelerator's underline,
  // one row below the baseline, takes the last line's last row.
  EXPECT_GE(ink.Left, box.Left);
  EXPECT_EQ(ink.Top, box.Top);
  EXPECT_LE(ink.Right, box.Right);
  EXPECT_GE(ink.Right, box.Right - 1);
  EXPECT_EQ(ink.Bottom, box.Bottom);
  TRect calc{10, 5, 60, 5};
  EXPECT_EQ(c.DrawTextIn(text, calc, flags | dtCalcRect), size.Height);
  EXPECT_EQ(calc, box);
}

}  // namespace
}  // namespace gfx
