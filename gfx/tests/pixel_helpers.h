// Helpers to state expected pixels as pictures: one character per pixel.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/bitmap.h"

namespace gfx_test {

// Renders rect of `bmp` as rows of characters: `ink` where the pixel's colour
// equals `color`, '.' elsewhere.
inline std::vector<std::string> Picture(const gfx::TBitmap& bmp, const gfx::TRect& rect,
                                        gfx::TColor color, char ink = '#') {
  std::vector<std::string> rows;
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    std::string row;
    for (int x = rect.Left; x < rect.Right; ++x) {
      row.push_back(gfx::ColorOfPixel(bmp.Get(x, y)) == color ? ink : '.');
    }
    rows.push_back(row);
  }
  return rows;
}

// Number of pixels of `bmp` with colour `color`.
inline int CountColor(const gfx::TBitmap& bmp, gfx::TColor color) {
  int n = 0;
  for (std::uint32_t px : bmp.Pixels()) {
    n += gfx::ColorOfPixel(px) == color ? 1 : 0;
  }
  return n;
}

// Bounding box of the pixels inside `area` that differ from `background`.
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

// Number of pixels inside `area` whose red part is below `below` (dark ink on white).
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

}  // namespace gfx_test
