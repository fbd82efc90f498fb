#include "gfx/text.h"

#include <cctype>
#include <map>
#include <memory>
#include <tuple>

#include "gfx/utf8.h"

namespace gfx {

std::string StripPrefix(std::string_view text, int* underline, int* underlineLength) {
  std::string out;
  out.reserve(text.size());
  int mark = -1;
  int markLen = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') {
        out.push_back('&');
        i += 2;
        continue;
      }
      ++i;
      if (i >= text.size()) {
        break;  // a trailing "&" marks nothing and is not shown
      }
      const std::size_t start = i;
      NextCodePoint(text, i);
      if (mark < 0) {
        mark = static_cast<int>(out.size());
        markLen = static_cast<int>(i - start);
      }
      out.append(text.substr(start, i - start));
      continue;
    }
    out.push_back(text[i]);
    ++i;
  }
  if (underline != nullptr) {
    *underline = mark;
  }
  if (underlineLength != nullptr) {
    *underlineLength = markLen;
  }
  return out;
}

char AcceleratorOf(std::string_view caption) {
  int at = -1;
  int len = 0;
  const std::string visible = StripPrefix(caption, &at, &len);
  if (at < 0 || len != 1) {
    return 0;
  }
  return static_cast<char>(std::tolower(static_cast<unsigned char>(visible[at])));
}

namespace {

// Boxes: deterministic stand-in glyphs for code without real fonts.
class TBoxEngine : public TTextEngine {
 public:
  TFontMetrics Metrics(const TFont& font) override {
    const int h = font.Height > 0 ? font.Height : 1;
    TFontMetrics m;
    m.Descent = h / 4;
    m.Ascent = h - m.Descent;
    m.Height = h;
    m.AveCharWidth = Advance(font, 'x');
    m.UnderlinePosition = m.Descent > 1 ? 1 : 0;
    m.UnderlineThickness = 1;
    return m;
  }

  int TextWidth(const TFont& font, std::string_view utf8) override {
    int w = 0;
    for (std::size_t i = 0; i < utf8.size();) {
      w += Advance(font, NextCodePoint(utf8, i));
    }
    return w;
  }

  void Layout(const TFont& font, std::string_view utf8, TGlyphRun& out) override {
    out.Glyphs.clear();
    int x = 0;
    for (std::size_t i = 0; i < utf8.size();) {
      const char32_t c = NextCodePoint(utf8, i);
      const int adv = Advance(font, c);
      if (c != ' ' && c != '\t') {
        out.Glyphs.push_back({x, &Box(font, adv)});
      }
      x += adv;
    }
    out.Width = x;
  }

  void ClearCache() override { boxes_.clear(); }

 private:
  static int Advance(const TFont& font, char32_t c) {
    const int h = font.Height > 0 ? font.Height : 1;
    if (IsWideBreakable(c)) {
      return h;
    }
    if (c == ' ') {
      return h / 3 > 0 ? h / 3 : 1;
    }
    return h / 2 > 0 ? h / 2 : 1;
  }

  const TGlyphImage& Box(const TFont& font, int advance) {
    const TFontMetrics m = Metrics(font);
    auto key = std::make_tuple(font.Height, advance, font.Bold);
    auto& slot = boxes_[key];
    if (!slot) {
      slot = std::make_unique<TGlyphImage>();
      TGlyphImage& g = *slot;
      g.Left = 0;
      g.Width = advance > 1 ? advance - 1 : 1;
      g.Top = m.Ascent > 1 ? m.Ascent - 1 : 1;
      g.Height = g.Top;
      g.Coverage.assign(static_cast<std::size_t>(g.Width * g.Height), 0);
      for (int y = 0; y < g.Height; ++y) {
        for (int x = 0; x < g.Width; ++x) {
          const bool edge = x == 0 || y == 0 || x == g.Width - 1 || y == g.Height - 1;
          if (edge || font.Bold) {
            g.Coverage[static_cast<std::size_t>(y * g.Width + x)] = 255;
          }
        }
      }
    }
    return *slot;
  }

  std::map<std::tuple<int, int, bool>, std::unique_ptr<TGlyphImage>> boxes_;
};

TTextEngine* g_engine = nullptr;

}  // namespace

int TTextEngine::TextWidth(const TFont& font, std::string_view utf8) {
  TGlyphRun run;
  Layout(font, utf8, run);
  return run.Width;
}

TTextEngine& BoxTextEngine() {
  static TBoxEngine engine;
  return engine;
}

TTextEngine& DefaultTextEngine() {
  return g_engine != nullptr ? *g_engine : BoxTextEngine();
}

void SetDefaultTextEngine(TTextEngine* engine) {
  g_engine = engine;
}

}  // namespace gfx
