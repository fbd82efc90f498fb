#include "gfx/text_layout.h"

#include <algorithm>

#include "gfx/utf8.h"

namespace gfx {

namespace {

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
          const TLineMeasurer& measure, std::vector<TTextLine>& out) {
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

void SplitLines(std::string_view s, unsigned flags, int wrapWidth, const TLineMeasurer& measure,
                std::vector<TTextLine>& lines) {
  if (s.empty()) {
    return;
  }
  if ((flags & dtSingleLine) != 0) {
    lines.push_back({0, s.size()});
    return;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t nl = s.find('\n', start);
    const bool last = nl == std::string_view::npos;
    std::size_t end = last ? s.size() : nl;
    if (end > start && s[end - 1] == '\r') {
      --end;
    }
    if (!last || end > start || lines.empty()) {
      if ((flags & dtWordBreak) != 0) {
        const std::size_t before = lines.size();
        Wrap(s, start, end, wrapWidth, measure, lines);
        if (lines.size() == before) {
          lines.push_back({start, start});  // an empty paragraph keeps its line
        }
      } else {
        lines.push_back({start, end});
      }
    }
    if (last) {
      return;
    }
    start = nl + 1;
  }
}

}  // namespace

int TLineMeasurer::Width(std::string_view s) const {
  int x = 0;
  Pieces(s, [&](int dx, std::string_view piece) { x = dx + engine_.TextWidth(font_, piece); });
  return x;
}

TLineMeasurer LineMeasurer(TTextEngine& engine, const TFont& font, const TTextLayout& layout,
                           unsigned flags) {
  return TLineMeasurer(engine, font, (flags & dtExpandTabs) != 0, 8 * layout.Metrics.AveCharWidth);
}

TTextLayout LayoutText(TTextEngine& engine, const TFont& font, std::string_view text,
                       unsigned flags, int wrapWidth) {
  TTextLayout layout;
  layout.Metrics = engine.Metrics(font);
  layout.Visible = (flags & dtNoPrefix) != 0
                       ? std::string(text)
                       : StripPrefix(text, &layout.Underline, &layout.UnderlineLength);
  const TLineMeasurer measure = LineMeasurer(engine, font, layout, flags);
  SplitLines(layout.Visible, flags, wrapWidth, measure, layout.Lines);
  for (TTextLine& line : layout.Lines) {
    line.Width = measure.Width(line.Text(layout.Visible));
    layout.Width = std::max(layout.Width, line.Width);
  }
  return layout;
}

TSize MeasureText(TTextEngine& engine, const TFont& font, std::string_view text, unsigned flags,
                  int wrapWidth) {
  const TTextLayout layout = LayoutText(engine, font, text, flags, wrapWidth);
  return {layout.Width, layout.Height()};
}

}  // namespace gfx
