// Points, sizes and rectangles in device pixels.
#pragma once

#include <algorithm>

namespace gfx {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and bottom are exclusive, as in the classic drawing interface:
// {0, 0, 10, 5} covers columns 0..9 and rows 0..4.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  bool Contains(TPoint p) const { return Contains(p.X, p.Y); }
  TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  // Shrinks by d on every side (grows for negative d).
  TRect Inflate(int d) const { return {Left - d, Top - d, Right + d, Bottom + d}; }
  TRect Deflate(int d) const { return Inflate(-d); }
  TRect Intersect(const TRect& o) const {
    TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right),
            std::min(Bottom, o.Bottom)};
    if (r.IsEmpty()) {
      return {};
    }
    return r;
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect RectFromSize(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

}  // namespace gfx
