#include "freetype_engine.h"

#include <gtest/gtest.h>

#include <string>

#include "gfx/utf8.h"

namespace platform_linux {
namespace {

const char* kShua = "\xE5\x88\xB7";  // 刷
const char* kLog = "\xE5\xBC\x80\xE6\x9C\xBA/\xE5\x85\xB3\xE6\x9C\xBA\xE6\x97\xA5\xE5\xBF\x97";

gfx::TFont Font(const std::string& name, int height, bool bold = false) {
  gfx::TFont f;
  f.Name = name;
  f.Height = height;
  f.Bold = bold;
  return f;
}

std::string FileName(const std::string& path) {
  return path.substr(path.rfind('/') + 1);
}

TEST(FontCatalog, WindowsFamiliesMapToCloseFaces) {
  EXPECT_EQ(SubstituteFamily("Arial"), "Liberation Sans");
  EXPECT_EQ(SubstituteFamily("ARIAL"), "Liberation Sans");
  EXPECT_EQ(SubstituteFamily("MS Sans Serif"), "Liberation Sans");
  EXPECT_EQ(SubstituteFamily("Verdana"), "DejaVu Sans");
  EXPECT_EQ(SubstituteFamily("DejaVu Serif"), "DejaVu Serif");

  TFontCatalog catalog;
  EXPECT_EQ(FileName(catalog.Match("Arial", false, false).Path), "LiberationSans-Regular.ttf");
  EXPECT_EQ(FileName(catalog.Match("Arial", true, false).Path), "LiberationSans-Bold.ttf");
  EXPECT_EQ(FileName(catalog.Match("MS Sans Serif", false, false).Path),
            "LiberationSans-Regular.ttf");
  EXPECT_EQ(FileName(catalog.Match("Verdana", false, false).Path), "DejaVuSans.ttf");
  // A face that really is bold needs no synthetic emboldening.
  EXPECT_FALSE(catalog.Match("Arial", true, false).SynthBold);
  // Any name finds some face.
  EXPECT_FALSE(catalog.Match("No Such Family 12345", false, false).Path.empty());
}

TEST(FontCatalog, ChineseFallsBackToTheCjkFace) {
  TFontCatalog catalog;
  const TFaceFile f = catalog.FallbackFor(0x5237, false, false);  // 刷
  EXPECT_NE(f.Path.find("wqy"), std::string::npos) << f.Path;
  EXPECT_TRUE(catalog.FallbackFor(0x10FFFD, false, false).Path.empty());
}

TEST(FreeTypeEngine, PerCharacterFallbackInsideOneRun) {
  TFreeTypeEngine engine;
  const gfx::TFont arial = Font("Arial", 11);
  EXPECT_EQ(FileName(engine.FaceFileFor(arial, 'A')), "LiberationSans-Regular.ttf");
  EXPECT_NE(engine.FaceFileFor(arial, 0x5237).find("wqy"), std::string::npos);
  gfx::TGlyphRun run;
  engine.Layout(arial, std::string("A") + kShua + "B", run);
  ASSERT_EQ(run.Glyphs.size(), 3u);
  for (const gfx::TPlacedGlyph& g : run.Glyphs) {
    int ink = 0;
    for (auto v : g.Image->Coverage) {
      ink += v;
    }
    EXPECT_GT(ink, 0);
  }
  // Pen positions follow the advances.
  EXPECT_EQ(run.Glyphs[1].X, engine.TextWidth(arial, "A"));
  EXPECT_EQ(run.Glyphs[2].X, engine.TextWidth(arial, std::string("A") + kShua));
  EXPECT_EQ(run.Width, engine.TextWidth(arial, "AB") + engine.TextWidth(arial, kShua));
}

TEST(FreeTypeEngine, MetricsHoldEveryGlyphOfTheLine) {
  TFreeTypeEngine engine;
  for (int h = 11; h <= 19; ++h) {
    const gfx::TFont f = Font("Arial", h);
    const gfx::TFontMetrics m = engine.Metrics(f);
    EXPECT_EQ(m.Height, m.Ascent + m.Descent);
    EXPECT_GE(m.Height, h);
    EXPECT_GT(m.AveCharWidth, 0);
    gfx::TGlyphRun run;
    engine.Layout(f, std::string("Wp|gjQ") + kShua, run);
    for (const gfx::TPlacedGlyph& g : run.Glyphs) {
      EXPECT_LE(g.Image->Top, m.Ascent) << "size " << h;
      EXPECT_LE(g.Image->Height - g.Image->Top, m.Descent) << "size " << h;
    }
    // Larger fonts are never narrower.
    if (h > 11) {
      EXPECT_GE(engine.TextWidth(f, "2009-03-10"),
                engine.TextWidth(Font("Arial", h - 1), "2009-03-10"));
    }
  }
}

TEST(FreeTypeEngine, HintedStemsAreCrisp) {
  // Hinting snaps the arms of "E" and the stem of "l" to whole pixels: each
  // has full-coverage pixels and no wide grey fringe.
  TFreeTypeEngine engine;
  for (int h = 11; h <= 19; ++h) {
    gfx::TGlyphRun run;
    engine.Layout(Font("Arial", h), "E", run);
    ASSERT_EQ(run.Glyphs.size(), 1u);
    const gfx::TGlyphImage& g = *run.Glyphs[0].Image;
    int fullRows = 0;
    for (int y = 0; y < g.Height; ++y) {
      int full = 0;
      for (int x = 0; x < g.Width; ++x) {
        full += g.Coverage[static_cast<std::size_t>(y * g.Width + x)] >= 240 ? 1 : 0;
      }
      fullRows += full >= g.Width / 2 ? 1 : 0;
    }
    EXPECT_GE(fullRows, 3) << "size " << h;
    int fullColumn = 0;
    for (int y = 0; y < g.Height; ++y) {
      fullColumn += g.Coverage[static_cast<std::size_t>(y * g.Width)] >= 240 ? 1 : 0;
    }
    EXPECT_EQ(fullColumn, g.Height) << "the stem of E at size " << h;
  }
}

TEST(FreeTypeEngine, BoldIsWiderAndGlyphsAreCached) {
  TFreeTypeEngine engine;
  EXPECT_GT(engine.TextWidth(Font("Arial", 13, true), "Wide bold"),
            engine.TextWidth(Font("Arial", 13), "Wide bold"));
  gfx::TGlyphRun a;
  gfx::TGlyphRun b;
  engine.Layout(Font("Arial", 11), "cached label", a);
  const std::size_t cached = engine.CachedGlyphCount();
  engine.Layout(Font("Arial", 11), "cached label", b);
  EXPECT_EQ(engine.CachedGlyphCount(), cached);
  ASSERT_EQ(a.Glyphs.size(), b.Glyphs.size());
  for (std::size_t i = 0; i < a.Glyphs.size(); ++i) {
    EXPECT_EQ(a.Glyphs[i].Image, b.Glyphs[i].Image);
    EXPECT_EQ(a.Glyphs[i].X, b.Glyphs[i].X);
  }
  engine.ClearCache();
  EXPECT_EQ(engine.CachedGlyphCount(), 0u);
}

TEST(FreeTypeEngine, ControlCharactersTakeNoRoomAndTabsAreSpaces) {
  TFreeTypeEngine engine;
  const gfx::TFont f = Font("Arial", 11);
  EXPECT_EQ(engine.TextWidth(f, "a\rb\n"), engine.TextWidth(f, "ab"));
  EXPECT_EQ(engine.TextWidth(f, "a\tb"), engine.TextWidth(f, "a b"));
  EXPECT_EQ(engine.TextWidth(f, ""), 0);
  // Malformed UTF-8 still measures (as the replacement character) and never crashes.
  EXPECT_GT(engine.TextWidth(f, "\xE5\x88"), 0);
}

TEST(FreeTypeEngine, ATextIsAsWideAsItsCharacters) {
  TFreeTypeEngine engine;
  for (const gfx::TFont& f : {Font("Arial", 12), Font("Tahoma", 11, true)}) {
    for (const std::string text : {"AVATAR To Ty", "(3)发现是否有人偷偷使用您的电脑；", kLog}) {
      int sum = 0;
      for (std::size_t i = 0; i < text.size();) {
        const std::size_t from = i;
        gfx::NextCodePoint(text, i);
        sum += engine.TextWidth(f, text.substr(from, i - from));
      }
      EXPECT_EQ(engine.TextWidth(f, text), sum) << text;
    }
  }
}

TEST(FreeTypeEngine, LongLogTitleHasOneGlyphPerCharacter) {
  TFreeTypeEngine engine;
  gfx::TGlyphRun run;
  engine.Layout(Font("Arial", 13, true), kLog, run);
  EXPECT_EQ(run.Glyphs.size(), 7u);  // 开机/关机日志
}

}  // namespace
}  // namespace platform_linux
