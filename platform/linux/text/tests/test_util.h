// Shared helpers of the Linux text tests.
#pragma once

#include <algorithm>

#include "gfx/bitmap.h"

namespace text_test {

// Bounding box of pixels that differ from `background` inside `area`.
inline gfx::TRect InkBounds(const gfx::TBitmap& bmp, gfx::TColor background,
                            gfx::TRect area = {0, 0, 1 << 20, 1 << 20}) {
  area = area.Intersect(bmp.BoundsRect());
  gfx::TRect r{area.Right, area.Bottom, area.Left, area.Top};
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      if (gfx::ColorOfPixel(bmp.At(x, y)) != background) {
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
    }
  }
  return r.IsEmpty() ? gfx::TRect{} : r;
}

inline int DarkPixels(const gfx::TBitmap& bmp, const gfx::TRect& area, int below = 128) {
  int n = 0;
  const gfx::TRect a = area.Intersect(bmp.BoundsRect());
  for (int y = a.Top; y < a.Bottom; ++y) {
    for (int x = a.Left; x < a.Right; ++x) {
      n += gfx::RedOf(gfx::ColorOfPixel(bmp.At(x, y))) < below ? 1 : 0;
    }
  }
  return n;
}

}  // namespace text_test
