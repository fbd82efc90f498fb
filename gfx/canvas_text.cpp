// Text on the canvas: runs from the text engine composited in the font's
// colour, the "&" prefix, tabs, word wrap and alignment of DrawTextIn.
#include <algorithm>
#include <string>

#include "gfx/canvas.h"
#include "gfx/text_layout.h"

namespace gfx {

namespace {

std::uint32_t Mix(std::uint32_t dst, TColor color, int cov) {
  auto m = [cov](int c, int d) { return (c * cov + d * (255 - cov) + 127) / 255; };
  return static_cast<std::uint32_t>(m(RedOf(color), RedOf(dst)) |
                                    (m(GreenOf(color), GreenOf(dst)) << 8) |
                                    (m(BlueOf(color), BlueOf(dst)) << 16)) |
         (dst & kOpaque);
}

}  // namespace

TFontMetrics TCanvas::FontMetrics() {
  return TextEngine().Metrics(Font);
}

int TCanvas::TextWidth(std::string_view text) {
  return MeasureText(TextEngine(), Font, text).Width;
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

void TCanvas::DrawTextAt(int x, int y, std::string_view text) {
  TTextEngine& engine = TextEngine();
  TGlyphRun run;
  engine.Layout(Font, text, run);
  DrawRun(x + origin_.X, y + origin_.Y, run, engine.Metrics(Font), 0, 0);
  penPos_ = {x + run.Width, y};
}

void TCanvas::TextRect(const TRect& clip, int x, int y, std::string_view text) {
  PushClipRect(clip);
  DrawTextAt(x, y, text);
  PopClip();
}

int TCanvas::DrawTextIn(std::string_view text, TRect& rect, unsigned flags) {
  TTextEngine& engine = TextEngine();
  const TTextLayout layout = LayoutText(engine, Font, text, flags, rect.Width());
  const TFontMetrics& m = layout.Metrics;
  const int total = layout.Height();
  if ((flags & dtCalcRect) != 0) {
    rect.Right = rect.Left + layout.Width;
    rect.Bottom = rect.Top + total;
    return total;
  }
  if (layout.Lines.empty()) {
    return 0;
  }

  const int lineHeight = m.Height;
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
  const TLineMeasurer measure = LineMeasurer(engine, Font, layout, flags);
  const std::size_t ul =
      layout.Underline < 0 ? std::string::npos : static_cast<std::size_t>(layout.Underline);
  TGlyphRun run;
  for (std::size_t i = 0; i < layout.Lines.size(); ++i) {
    const TTextLine& line = layout.Lines[i];
    const std::string_view lineText = line.Text(layout.Visible);
    int x = rect.Left;
    if ((flags & dtCenter) != 0) {
      x = rect.Left + (rect.Width() - line.Width) / 2;
    } else if ((flags & dtRight) != 0) {
      x = rect.Right - line.Width;
    }
    const int y = top + static_cast<int>(i) * lineHeight;
    int ulX = 0;
    int ulW = 0;
    if (ul != std::string::npos && ul >= line.Begin && ul < line.End) {
      const std::size_t at = ul - line.Begin;
      ulX = measure.Width(lineText.substr(0, at));
      ulW =
          measure.Width(lineText.substr(0, at + static_cast<std::size_t>(layout.UnderlineLength))) -
          ulX;
    }
    bool underlineDone = false;
    measure.Pieces(lineText, [&](int dx, std::string_view piece) {
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
