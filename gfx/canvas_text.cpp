// Text on the canvas: runs from the text engine composited in the font's
// colour, the "&" prefix, tabs, word wrap and alignment of DrawText.
#include <algorithm>
#include <string>
#include <vector>

#include "gfx/canvas.h"
#include "gfx/utf8.h"

namespace gfx {

namespace {

std::uint32_t Mix(std::uint32_t dst, TColor color, int cov) {
  auto m = [cov](int c, int d) { return (c * cov + d * (255 - cov) + 127) / 255; };
  return static_cast<std::uint32_t>(m(RedOf(color), RedOf(dst)) |
                                    (m(GreenOf(color), GreenOf(dst)) << 8) |
                                    (m(BlueOf(color), BlueOf(dst)) << 16)) |
         (dst & kOpaque);
}

struct TLine {
  std::size_t Begin;
  std::size_t End;
};

// Measures and draws pieces of one line, honouring tab stops.
class TLineMeasurer {
 public:
  TLineMeasurer(TTextEngine& engine, const TFont& font, bool tabs, int tabStop)
      : engine_(engine), font_(font), tabs_(tabs), tabStop_(tabStop > 0 ? tabStop : 1) {}

  // Width of s, as placed from x = 0.
  int Width(std::string_view s) const {
    if (!tabs_) {
      return engine_.TextWidth(font_, s);
    }
    int x = 0;
    std::size_t start = 0;
    for (;;) {
      const std::size_t tab = s.find('\t', start);
      x += engine_.TextWidth(font_, s.substr(start, tab - start));
      if (tab == std::string_view::npos) {
        return x;
      }
      x = (x / tabStop_ + 1) * tabStop_;
      start = tab + 1;
    }
  }

  // Calls f(xOffset, piece) for the tab-free pieces of s.
  template <typename F>
  void Pieces(std::string_view s, F&& f) const {
    if (!tabs_) {
      f(0, s);
      return;
    }
    int x = 0;
    std::size_t start = 0;
    for (;;) {
      const std::size_t tab = s.find('\t', start);
      const std::string_view piece = s.substr(start, tab - start);
      f(x, piece);
      x += engine_.TextWidth(font_, piece);
      if (tab == std::string_view::npos) {
        return;
      }
      x = (x / tabStop_ + 1) * tabStop_;
      start = tab + 1;
    }
  }

 private:
  TTextEngine& engine_;
  const TFont& font_;
  bool tabs_;
  int tabStop_;
};

std::size_t TrimTrailingSpaces(std::string_view s, std::size_t begin, std::size_t end) {
  while (end > begin && s[end - 1] == ' ') {
    --end;
  }
  return end;
}

// Greedy word wrap of s[begin, end) to maxWidth. A line may end before a
// space or on either side of a wide (CJK) character; a word wider than the
// line stays whole and overflows, as in the classic interface.
void Wrap(std::string_view s, std::size_t begin, std::size_t end, int maxWidth,
          const TLineMeasurer& measure, std::vector<TLine>& out) {
  std::size_t start = begin;
  while (start < end) {
    auto fits = [&](std::size_t p) {
      const std::size_t e = TrimTrailingSpaces(s, start, p);
      return measure.Width(s.substr(start, e - start)) <= maxWidth;
    };
    std::size_t best = std::string_view::npos;
    std::size_t cut = std::string_view::npos;
    // Returns false when scanning can stop: p no longer fits.
    auto candidate = [&](std::size_t p) {
      if (p <= start) {
        return true;
      }
      if (fits(p)) {
        best = p;
        return true;
      }
      cut = best != std::string_view::npos ? best : p;
      return false;
    };
    std::size_t i = start;
    bool stopped = false;
    while (i < end && !stopped) {
      const std::size_t at = i;
      const char32_t c = NextCodePoint(s, i);
      if (c == ' ' || IsWideBreakable(c)) {
        stopped = !candidate(at);
      }
      if (!stopped && IsWideBreakable(c) && i < end) {
        stopped = !candidate(i);
      }
    }
    if (!stopped) {
      if (fits(end) || best == std::string_view::npos) {
        out.push_back({start, TrimTrailingSpaces(s, start, end)});
        return;
      }
      cut = best;
    }
    out.push_back({start, TrimTrailingSpaces(s, start, cut)});
    start = cut;
    while (start < end && s[start] == ' ') {
      ++start;
    }
  }
}

}  // namespace

TFontMetrics TCanvas::FontMetrics() {
  return TextEngine().Metrics(Font);
}

int TCanvas::TextWidth(std::string_view text) {
  return TextEngine().TextWidth(Font, text);
}

int TCanvas::TextHeight(std::string_view) {
  return TextEngine().Metrics(Font).Height;
}

TSize TCanvas::TextExtent(std::string_view text) {
  return {TextWidth(text), TextHeight(text)};
}

void TCanvas::DrawRun(int x, int y, const TGlyphRun& run, const TFontMetrics& m, int underlineX,
                      int underlineWidth) {
  if (Font.Color == clNone) {
    return;
  }
  const TColor color = ColorToRGB(Font.Color);
  const bool rotated = Font.Orientation == 900;
  // Cell coordinates (u along the text, v down from the cell top) to device.
  auto plot = [&](int u, int v, int cov) {
    const int dx = rotated ? x + v : x + u;
    const int dy = rotated ? y - 1 - u : y + v;
    if (cov > 0 && Visible(dx, dy)) {
      std::uint32_t& p = target_->Scanline(dy)[dx];
      p = Mix(p, color, cov);
    }
  };
  for (const TPlacedGlyph& pg : run.Glyphs) {
    const TGlyphImage& g = *pg.Image;
    const int u0 = pg.X + g.Left;
    const int v0 = m.Ascent - g.Top;
    for (int gy = 0; gy < g.Height; ++gy) {
      const std::uint8_t* cov = g.Coverage.data() + static_cast<std::size_t>(gy) * g.Width;
      if (!rotated) {
        const int dy = y + v0 + gy;
        VisitRow(dy, x + u0, x + u0 + g.Width, [&](int a, int b) {
          std::uint32_t* row = target_->Scanline(dy);
          for (int dx = a; dx < b; ++dx) {
            const int c = cov[dx - x - u0];
            if (c != 0) {
              row[dx] = Mix(row[dx], color, c);
            }
          }
        });
      } else {
        for (int gx = 0; gx < g.Width; ++gx) {
          plot(u0 + gx, v0 + gy, cov[gx]);
        }
      }
    }
  }
  auto underline = [&](int u0, int width) {
    for (int t = 0; t < std::max(m.UnderlineThickness, 1); ++t) {
      const int v = m.Ascent + m.UnderlinePosition + t;
      for (int u = u0; u < u0 + width; ++u) {
        plot(u, v, 255);
      }
    }
  };
  if (Font.Underline) {
    underline(0, run.Width);
  }
  if (underlineWidth > 0) {
    underline(underlineX, underlineWidth);
  }
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  TTextEngine& engine = TextEngine();
  TGlyphRun run;
  engine.Layout(Font, text, run);
  DrawRun(x + origin_.X, y + origin_.Y, run, engine.Metrics(Font), 0, 0);
  penPos_ = {x + run.Width, y};
}

void TCanvas::TextRect(const TRect& clip, int x, int y, std::string_view text) {
  PushClipRect(clip);
  TextOut(x, y, text);
  PopClip();
}

int TCanvas::DrawText(std::string_view text, TRect& rect, unsigned flags) {
  TTextEngine& engine = TextEngine();
  const TFontMetrics m = engine.Metrics(Font);
  int ul = -1;
  int ulLen = 0;
  const std::string visible =
      (flags & dtNoPrefix) != 0 ? std::string(text) : StripPrefix(text, &ul, &ulLen);
  const std::string_view s = visible;
  const TLineMeasurer measure(engine, Font, (flags & dtExpandTabs) != 0, 8 * m.AveCharWidth);

  std::vector<TLine> lines;
  if (!s.empty()) {
    if ((flags & dtSingleLine) != 0) {
      lines.push_back({0, s.size()});
    } else {
      std::size_t start = 0;
      for (;;) {
        std::size_t nl = s.find('\n', start);
        const bool last = nl == std::string_view::npos;
        std::size_t end = last ? s.size() : nl;
        if (end > start && s[end - 1] == '\r') {
          --end;
        }
        if (!last || end > start || lines.empty()) {
          if ((flags & dtWordBreak) != 0) {
            const std::size_t before = lines.size();
            Wrap(s, start, end, rect.Width(), measure, lines);
            if (lines.size() == before) {
              lines.push_back({start, start});  // an empty paragraph keeps its line
            }
          } else {
            lines.push_back({start, end});
          }
        }
        if (last) {
          break;
        }
        start = nl + 1;
      }
    }
  }

  const int lineHeight = m.Height;
  const int total = lineHeight * static_cast<int>(lines.size());
  int maxWidth = 0;
  std::vector<int> widths;
  widths.reserve(lines.size());
  for (const TLine& line : lines) {
    widths.push_back(measure.Width(s.substr(line.Begin, line.End - line.Begin)));
    maxWidth = std::max(maxWidth, widths.back());
  }

  if ((flags & dtCalcRect) != 0) {
    rect.Right = rect.Left + maxWidth;
    rect.Bottom = rect.Top + total;
    return total;
  }
  if (lines.empty()) {
    return 0;
  }

  int top = rect.Top;
  int result = total;
  if ((flags & dtSingleLine) != 0) {
    if ((flags & dtVCenter) != 0) {
      top = rect.Top + (rect.Height() - lineHeight) / 2;
      result = top - rect.Top + lineHeight;
    } else if ((flags & dtBottom) != 0) {
      top = rect.Bottom - lineHeight;
      result = rect.Height();
    }
  }

  const bool clip = (flags & dtNoClip) == 0;
  if (clip) {
    PushClipRect(rect);
  }
  TGlyphRun run;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TLine& line = lines[i];
    const std::string_view text_line = s.substr(line.Begin, line.End - line.Begin);
    int x = rect.Left;
    if ((flags & dtCenter) != 0) {
      x = rect.Left + (rect.Width() - widths[i]) / 2;
    } else if ((flags & dtRight) != 0) {
      x = rect.Right - widths[i];
    }
    const int y = top + static_cast<int>(i) * lineHeight;
    int ulX = 0;
    int ulW = 0;
    if (ul >= 0 && static_cast<std::size_t>(ul) >= line.Begin &&
        static_cast<std::size_t>(ul) < line.End) {
      const std::size_t at = static_cast<std::size_t>(ul) - line.Begin;
      ulX = measure.Width(text_line.substr(0, at));
      ulW = measure.Width(text_line.substr(0, at + static_cast<std::size_t>(ulLen))) - ulX;
    }
    bool underlineDone = false;
    measure.Pieces(text_line, [&](int dx, std::string_view piece) {
      engine.Layout(Font, piece, run);
      const int u = underlineDone ? 0 : ulW;
      DrawRun(x + dx + origin_.X, y + origin_.Y, run, m, ulX - dx, u);
      underlineDone = true;
    });
  }
  if (clip) {
    PopClip();
  }
  return result;
}

}  // namespace gfx
