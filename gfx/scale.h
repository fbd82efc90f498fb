// Scaling from 96 dots per inch to the screen's resolution.
#pragma once

#include "gfx/font.h"
#include "gfx/geometry.h"

namespace gfx {

// a * b / c rounded to nearest (halves away from zero), as Windows MulDiv;
// c = 0 gives -1.
int MulDiv(int a, int b, int c);

class TScaler {
 public:
  explicit TScaler(int dpi = 96) : dpi_(dpi > 0 ? dpi : 96) {}

  int Dpi() const { return dpi_; }
  bool IsIdentity() const { return dpi_ == 96; }

  int Scale(int px) const { return MulDiv(px, dpi_, 96); }
  TPoint Scale(TPoint p) const { return {Scale(p.X), Scale(p.Y)}; }
  TSize Scale(TSize s) const { return {Scale(s.Width), Scale(s.Height)}; }
  // Left/top and right/bottom scaled independently, as the form scaling does.
  TRect Scale(const TRect& r) const {
    return {Scale(r.Left), Scale(r.Top), Scale(r.Right), Scale(r.Bottom)};
  }
  TFont Scale(TFont f) const {
    f.Height = Scale(f.Height);
    return f;
  }

 private:
  int dpi_;
};

}  // namespace gfx
