// How DrawTextIn lays text out: the visible text (the "&" prefix taken out),
// its lines and their widths. Drawing and measuring both start from this one
// layout, so a measured size is always the size that gets drawn.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/font.h"
#include "gfx/geometry.h"
#include "gfx/text.h"

namespace gfx {

// Widths of pieces of one line, honouring tab stops when tabs are expanded.
class TLineMeasurer {
 public:
  TLineMeasurer(TTextEngine& engine, const TFont& font, bool tabs, int tabStop)
      : engine_(engine), font_(font), tabs_(tabs), tabStop_(tabStop > 0 ? tabStop : 1) {}

  // Width of s, as placed from x = 0.
  int Width(std::string_view s) const;

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
      x = NextStop(x);
      start = tab + 1;
    }
  }

 private:
  int NextStop(int x) const { return (x / tabStop_ + 1) * tabStop_; }

  TTextEngine& engine_;
  const TFont& font_;
  bool tabs_;
  int tabStop_;
};

struct TTextLine {
  std::size_t Begin = 0;  // bytes of TTextLayout::Visible
  std::size_t End = 0;
  int Width = 0;
  std::string_view Text(std::string_view visible) const {
    return visible.substr(Begin, End - Begin);
  }
};

struct TTextLayout {
  std::string Visible;
  // The character the "&" marks, as a byte range of Visible; -1 for none.
  int Underline = -1;
  int UnderlineLength = 0;
  std::vector<TTextLine> Lines;
  TFontMetrics Metrics;
  int Width = 0;  // of the widest line
  int Height() const { return Metrics.Height * static_cast<int>(Lines.size()); }
};

// Lines split at "\n" (and by word wrap to wrapWidth with dtWordBreak; a word
// wider than the line stays whole), unless dtSingleLine; the prefix unless
// dtNoPrefix; tab stops every 8 average character widths with dtExpandTabs.
TTextLayout LayoutText(TTextEngine& engine, const TFont& font, std::string_view text,
                       unsigned flags, int wrapWidth);
// The measurer that LayoutText used for these flags.
TLineMeasurer LineMeasurer(TTextEngine& engine, const TFont& font, const TTextLayout& layout,
                           unsigned flags);

// The size text takes when `engine` draws it in `font` with DrawTextIn's
// `flags`: the widest line by the height of all lines (empty text: nothing).
// This is how every piece of text is measured outside painting.
TSize MeasureText(TTextEngine& engine, const TFont& font, std::string_view text,
                  unsigned flags = dtSingleLine | dtNoPrefix, int wrapWidth = 0);

}  // namespace gfx
