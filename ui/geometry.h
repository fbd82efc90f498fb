#pragma once

#include "gfx/geometry.h"

// The toolkit works in the drawing layer's pixel geometry.
using gfx::TPoint;
using gfx::TRect;
using gfx::TSize;

inline TRect Bounds(int left, int top, int width, int height) {
  return gfx::RectFromSize(left, top, width, height);
}

inline TRect IntersectRect(const TRect& a, const TRect& b) {
  return a.Intersect(b);
}

// Smallest rectangle holding both; an empty rectangle adds nothing.
inline TRect UnionRect(const TRect& a, const TRect& b) {
  if (a.IsEmpty()) {
    return b;
  }
  if (b.IsEmpty()) {
    return a;
  }
  return {a.Left < b.Left ? a.Left : b.Left, a.Top < b.Top ? a.Top : b.Top,
          a.Right > b.Right ? a.Right : b.Right, a.Bottom > b.Bottom ? a.Bottom : b.Bottom};
}
