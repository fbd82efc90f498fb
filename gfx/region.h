// Clipping regions: a set of pixels stored as sorted horizontal spans per
// row, built from rectangles or polygons.
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "gfx/geometry.h"

namespace gfx {

// The message the widgets report when a region cannot be built.
inline constexpr const char* kErrorCreatingRegion = "Error creating region";

// Thrown by code that treats a region failure as fatal to its paint.
class ERegionError : public std::runtime_error {
 public:
  ERegionError() : std::runtime_error(kErrorCreatingRegion) {}
};

enum TFillMode { fmAlternate, fmWinding };

class TRegion {
 public:
  struct TSpan {
    int X0;  // first pixel
    int X1;  // one past the last pixel
    friend bool operator==(const TSpan&, const TSpan&) = default;
  };

  TRegion() = default;  // empty
  static TRegion FromRect(const TRect& r);

  // Pixel (x, y) is inside when the point (x, y) is inside the polygon, top
  // and left edges included, bottom and right edges excluded: a rectangle
  // polygon (L,T)..(R,B) covers L..R-1 x T..B-1, and an outline drawn along
  // the polygon's left and top edges lies on the region, along its right and
  // bottom edges just outside it. Fails (returns false, `out` untouched) for
  // fewer than 3 points or coordinates beyond +-0x3FFFFFF.
  // With `within`, only the part inside it is built (what a canvas needs for
  // any size of shape); without it a polygon more than kMaxRows rows tall
  // fails too, rather than taking unbounded memory.
  static bool FromPolygon(std::span<const TPoint> points, TRegion& out,
                          TFillMode mode = fmAlternate, const TRect* within = nullptr);
  static constexpr int kMaxRows = 65536;

  bool IsEmpty() const { return rows_.empty(); }
  TRect Bounds() const { return bounds_; }
  bool Contains(int x, int y) const;
  bool IsRect() const;

  TRegion Intersect(const TRegion& other) const;
  TRegion Offset(int dx, int dy) const;

  // Spans of row y (empty when y is outside).
  std::span<const TSpan> Row(int y) const;

  friend bool operator==(const TRegion&, const TRegion&) = default;

 private:
  TRect bounds_;                          // Top..Bottom are the stored rows
  std::vector<std::vector<TSpan>> rows_;  // one entry per row of bounds_
  void Normalize();
};

}  // namespace gfx
