// Where the text of a multi-line box goes: its lines broken into rows (at blanks,
// between East Asian characters, or anywhere in a word wider than the box), and
// the pixel position of every character boundary of every row.
#pragma once

#include <string>
#include <vector>

#include "gfx/font.h"

namespace gfx {
class TTextEngine;
}

// A place in the text: a line and a byte offset into it, on a character boundary.
struct TMemoPos {
  int Line = 0;
  int Offset = 0;
  friend bool operator==(const TMemoPos&, const TMemoPos&) = default;
  friend auto operator<=>(const TMemoPos&, const TMemoPos&) = default;
};

struct TMemoRow {
  int Line = 0;
  int Begin = 0;  // bytes of the line shown in this row
  int End = 0;
  // Character boundaries from Begin to End (inclusive) and their x positions.
  std::vector<int> Offsets;
  std::vector<int> Xs;
  int Width() const { return Xs.empty() ? 0 : Xs.back(); }
};

class TMemoLayout {
 public:
  // Breaks `lines` into rows no wider than wrapWidth (no breaking when it is <= 0).
  void Build(const std::vector<std::string>& lines, gfx::TTextEngine& engine,
             const gfx::TFont& font, int wrapWidth);

  const std::vector<TMemoRow>& Rows() const { return rows_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  int MaxWidth() const { return maxWidth_; }

  // The row showing pos: a position at a soft break belongs to the row it starts.
  int RowOf(TMemoPos pos) const;
  int XOf(TMemoPos pos) const;
  // The boundary of a row nearest to x.
  TMemoPos PosAt(int row, int x) const;

 private:
  std::vector<TMemoRow> rows_;
  int maxWidth_ = 0;
};
