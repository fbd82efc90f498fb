// A text engine with simple fixed metrics, so layout tests can state exact
// pixels: every character advances 6 (3 for a space, 12 for a wide
// character) and draws a solid block one column narrower than its advance,
// from the top of the cell down to the baseline.
#pragma once

#include <map>
#include <memory>

#include "gfx/text.h"
#include "gfx/utf8.h"

namespace gfx_test {

class TFixedEngine : public gfx::TTextEngine {
 public:
  static constexpr int kAscent = 8;
  static constexpr int kDescent = 2;

  gfx::TFontMetrics Metrics(const gfx::TFont&) override {
    gfx::TFontMetrics m;
    m.Ascent = kAscent;
    m.Descent = kDescent;
    m.Height = kAscent + kDescent;
    m.AveCharWidth = 6;
    m.UnderlinePosition = 1;
    m.UnderlineThickness = 1;
    return m;
  }
  void Layout(const gfx::TFont&, std::string_view s, gfx::TGlyphRun& out) override {
    out.Glyphs.clear();
    int x = 0;
    for (std::size_t i = 0; i < s.size();) {
      const char32_t c = gfx::NextCodePoint(s, i);
      const int adv = c == ' ' || c == '\t' ? 3 : gfx::IsWideBreakable(c) ? 12 : 6;
      if (c != ' ' && c != '\t') {
        out.Glyphs.push_back({x, &Block(adv - 1)});
      }
      x += adv;
    }
    out.Width = x;
  }

 private:
  const gfx::TGlyphImage& Block(int width) {
    auto& slot = blocks_[width];
    if (!slot) {
      slot = std::make_unique<gfx::TGlyphImage>();
      slot->Left = 0;
      slot->Top = kAscent;
      slot->Width = width;
      slot->Height = kAscent;
      slot->Coverage.assign(static_cast<std::size_t>(width * kAscent), 255);
    }
    return *slot;
  }
  std::map<int, std::unique_ptr<gfx::TGlyphImage>> blocks_;
};

}  // namespace gfx_test
