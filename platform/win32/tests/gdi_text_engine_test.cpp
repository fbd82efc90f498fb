// The GDI text engine against Windows' own fonts (run under Wine in CI, with a
// CJK face linked to the Western ones as on a Chinese system).
#include "platform/win32/gdi_text_engine.h"

#include <gtest/gtest.h>

namespace platform_win32 {
namespace {

gfx::TFont Arial(int height, bool bold = false) {
  gfx::TFont f;
  f.Name = "Arial";
  f.Height = height;
  f.Bold = bold;
  return f;
}

const gfx::TGlyphImage* OnlyGlyph(TGdiTextEngine& engine, const gfx::TFont& font,
                                  const char* text) {
  gfx::TGlyphRun run;
  engine.Layout(font, text, run);
  return run.Glyphs.size() == 1 ? run.Glyphs[0].Image : nullptr;
}

TEST(GdiTextEngine, MetricsAddUpAndGrowWithTheHeight) {
  TGdiTextEngine engine;
  const gfx::TFontMetrics small = engine.Metrics(Arial(11));
  const gfx::TFontMetrics large = engine.Metrics(Arial(22));
  EXPECT_EQ(small.Height, small.Ascent + small.Descent);
  // The line is at least the character height and not absurdly taller.
  EXPECT_GE(small.Height, 11);
  EXPECT_LE(small.Height, 16);
  EXPECT_GT(large.Height, small.Height);
  EXPECT_GT(large.AveCharWidth, small.AveCharWidth);
  EXPECT_GE(small.UnderlineThickness, 1);
}

TEST(GdiTextEngine, ARunIsAsWideAsItsCharacters) {
  TGdiTextEngine engine;
  const gfx::TFont f = Arial(11);
  const std::string text = "记录数:0";
  int sum = 0;
  for (const char* piece : {"记", "录", "数", ":", "0"}) {
    sum += engine.TextWidth(f, piece);
  }
  EXPECT_EQ(engine.TextWidth(f, text), sum);
  gfx::TGlyphRun run;
  engine.Layout(f, text, run);
  EXPECT_EQ(run.Width, sum);
  ASSERT_EQ(run.Glyphs.size(), 5u);
  for (std::size_t i = 1; i < run.Glyphs.size(); ++i) {
    EXPECT_GT(run.Glyphs[i].X, run.Glyphs[i - 1].X);
  }
  // Bold is wider; a blank has an advance but no image.
  EXPECT_GT(engine.TextWidth(Arial(11, true), "WWWW"), engine.TextWidth(f, "WWWW"));
  gfx::TGlyphRun blank;
  engine.Layout(f, " ", blank);
  EXPECT_GT(blank.Width, 0);
  EXPECT_TRUE(blank.Glyphs.empty());
}

TEST(GdiTextEngine, ChineseCharactersGetTheirOwnGlyphsThroughFontLinking) {
  TGdiTextEngine engine;
  const gfx::TFont f = Arial(12);
  const gfx::TGlyphImage* a = OnlyGlyph(engine, f, "记");
  const gfx::TGlyphImage* b = OnlyGlyph(engine, f, "录");
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  // A face without them would draw the same missing-glyph box for both.
  EXPECT_NE(a->Coverage, b->Coverage);
  // Ideographs are full-width: wider than a Latin digit.
  EXPECT_GT(engine.TextWidth(f, "记"), engine.TextWidth(f, "0"));
}

TEST(GdiTextEngine, GlyphsSitOnTheBaselineWithinTheirCell) {
  TGdiTextEngine engine;
  const gfx::TFont f = Arial(22);
  const gfx::TFontMetrics m = engine.Metrics(f);
  const gfx::TGlyphImage* x = OnlyGlyph(engine, f, "x");
  const gfx::TGlyphImage* p = OnlyGlyph(engine, f, "p");
  const gfx::TGlyphImage* h = OnlyGlyph(engine, f, "H");
  ASSERT_TRUE(x && p && h);
  // "x" rests on the baseline, "p" reaches below it, "H" is taller than "x".
  EXPECT_NEAR(x->Top - x->Height, 0, 1);
  EXPECT_GT(p->Height - p->Top, 2);
  EXPECT_GT(h->Top, x->Top);
  EXPECT_LE(h->Top, m.Ascent);
  // Full ink somewhere in a stem.
  int darkest = 0;
  for (auto c : h->Coverage) {
    darkest = std::max<int>(darkest, c);
  }
  EXPECT_GE(darkest, 200);
}

TEST(GdiTextEngine, TheSameTextGivesTheSameRunAndCachedGlyphs) {
  TGdiTextEngine engine;
  const gfx::TFont f = Arial(11);
  gfx::TGlyphRun first, second;
  engine.Layout(f, "Dorvex", first);
  const std::size_t cached = engine.CachedGlyphCount();
  engine.Layout(f, "Dorvex", second);
  EXPECT_EQ(engine.CachedGlyphCount(), cached);
  ASSERT_EQ(first.Glyphs.size(), second.Glyphs.size());
  for (std::size_t i = 0; i < first.Glyphs.size(); ++i) {
    EXPECT_EQ(first.Glyphs[i].X, second.Glyphs[i].X);
    EXPECT_EQ(first.Glyphs[i].Image, second.Glyphs[i].Image);
  }
  engine.ClearCache();
  EXPECT_EQ(engine.CachedGlyphCount(), 0u);
  // Control characters take no room; a tab is a blank.
  EXPECT_EQ(engine.TextWidth(f,
                             "a\x01"
                             "b"),
            engine.TextWidth(f, "ab"));
  EXPECT_EQ(engine.TextWidth(f, "a\tb"), engine.TextWidth(f, "a b"));
}

}  // namespace
}  // namespace platform_win32
