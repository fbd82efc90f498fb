#include "ui/memo_layout.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "gfx/text.h"
#include "gfx/utf8.h"

namespace {

// Character boundaries of a line and the code point that starts at each.
struct TChars {
  std::vector<int> Offsets;  // size n + 1, the last is the line's length
  std::vector<char32_t> Codes;
};

TChars SplitChars(std::string_view line) {
  TChars out;
  std::size_t i = 0;
  while (i < line.size()) {
    out.Offsets.push_back(static_cast<int>(i));
    out.Codes.push_back(gfx::NextCodePoint(line, i));
  }
  out.Offsets.push_back(static_cast<int>(line.size()));
  return out;
}

// Whether a row may end before character k (k > 0).
bool BreakBefore(const TChars& c, std::size_t k) {
  const char32_t prev = c.Codes[k - 1], next = c.Codes[k];
  if (prev == U' ' && next != U' ') {
    return true;
  }
  return gfx::IsWideBreakable(prev) || gfx::IsWideBreakable(next);
}

}  // namespace

void TMemoLayout::Build(const std::vector<std::string>& lines, gfx::TTextEngine& engine,
                        const gfx::TFont& font, int wrapWidth) {
  rows_.clear();
  maxWidth_ = 0;
  // Not gfx's word wrap: the edit box breaks a word wider than the box at the
  // character that does not fit, where drawn text keeps it whole, and the
  // caret needs every character's place.
  std::vector<int> xs;  // the line's width up to each character boundary
  for (int li = 0; li < static_cast<int>(lines.size()); ++li) {
    const std::string_view line = lines[li];
    const TChars chars = SplitChars(line);
    const std::size_t n = chars.Codes.size();
    // Widths add up (gfx/text.h), so each character is measured once.
    xs.assign(1, 0);
    for (std::size_t k = 0; k < n; ++k) {
      const int from = chars.Offsets[k];
      xs.push_back(xs.back() +
                   engine.TextWidth(font, line.substr(from, chars.Offsets[k + 1] - from)));
    }
    std::size_t start = 0;
    do {
      // Longest run of characters from `start` that fits, then back to a break.
      std::size_t end = n;
      if (wrapWidth > 0) {
        std::size_t fit = start;
        while (fit < n && xs[fit + 1] - xs[start] <= wrapWidth) {
          ++fit;
        }
        if (fit < n) {
          // Blanks may hang past the edge: a row never starts with the blank it broke at.
          while (fit < n && chars.Codes[fit] == U' ') {
            ++fit;
          }
          if (fit < n) {
            std::size_t brk = fit;
            while (brk > start && !BreakBefore(chars, brk)) {
              --brk;
            }
            end = brk > start ? brk : std::max(fit, start + 1);
          }
        }
      }
      TMemoRow row;
      row.Line = li;
      row.Begin = chars.Offsets[start];
      row.End = chars.Offsets[end];
      for (std::size_t k = start; k <= end; ++k) {
        row.Offsets.push_back(chars.Offsets[k]);
        row.Xs.push_back(xs[k] - xs[start]);
      }
      maxWidth_ = std::max(maxWidth_, row.Width());
      rows_.push_back(std::move(row));
      start = end;
    } while (start < n);
  }
}

int TMemoLayout::RowOf(TMemoPos pos) const {
  int found = 0;
  for (int r = 0; r < RowCount(); ++r) {
    const TMemoRow& row = rows_[r];
    if (row.Line < pos.Line) {
      continue;
    }
    if (row.Line > pos.Line) {
      break;
    }
    found = r;
    if (pos.Offset < row.End) {
      break;
    }
  }
  return found;
}

int TMemoLayout::XOf(TMemoPos pos) const {
  if (rows_.empty()) {
    return 0;
  }
  const TMemoRow& row = rows_[RowOf(pos)];
  for (std::size_t k = 0; k < row.Offsets.size(); ++k) {
    if (row.Offsets[k] >= pos.Offset) {
      return row.Xs[k];
    }
  }
  return row.Width();
}

TMemoPos TMemoLayout::PosAt(int rowIndex, int x) const {
  if (rows_.empty()) {
    return {};
  }
  rowIndex = std::clamp(rowIndex, 0, RowCount() - 1);
  const TMemoRow& row = rows_[rowIndex];
  std::size_t best = 0;
  for (std::size_t k = 1; k < row.Xs.size(); ++k) {
    if (std::abs(row.Xs[k] - x) < std::abs(row.Xs[best] - x)) {
      best = k;
    }
  }
  // The end of a row that wraps is the start of the next one; stay on this row.
  const bool softEnd = rowIndex + 1 < RowCount() && rows_[rowIndex + 1].Line == row.Line;
  if (softEnd && best + 1 == row.Xs.size() && best > 0) {
    --best;
  }
  return {row.Line, row.Offsets[best]};
}
