#include "gfx/region.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace gfx {

namespace {

constexpr int kMaxCoord = 0x3FFFFFF;

}  // namespace

TRegion TRegion::FromRect(const TRect& r) {
  TRegion out;
  if (r.IsEmpty()) {
    return out;
  }
  out.bounds_ = r;
  out.rows_.assign(static_cast<std::size_t>(r.Height()), std::vector<TSpan>{{r.Left, r.Right}});
  return out;
}

bool TRegion::FromPolygon(std::span<const TPoint> points, TRegion& out, TFillMode mode,
                          const TRect* within) {
  if (points.size() < 3) {
    return false;
  }
  int top = points[0].Y;
  int bottom = points[0].Y;
  for (const TPoint& p : points) {
    if (std::abs(p.X) > kMaxCoord || std::abs(p.Y) > kMaxCoord) {
      return false;
    }
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  if (within != nullptr) {
    top = std::max(top, within->Top);
    bottom = std::max(top, std::min(bottom, within->Bottom));
  } else if (bottom - top > kMaxRows) {
    return false;
  }
  TRegion r;
  r.bounds_ = {0, top, 0, bottom};
  r.rows_.resize(static_cast<std::size_t>(bottom - top));
  struct TCross {
    double x;
    int dir;
  };
  std::vector<TCross> crossings;
  const std::size_t n = points.size();
  for (int y = top; y < bottom; ++y) {
    // A pixel is the point at its top-left corner; an edge owns the
    // half-open range [y0, y1), a span [xa, xb): top and left edges are in,
    // bottom and right edges out.
    const double yc = y;
    crossings.clear();
    for (std::size_t i = 0; i < n; ++i) {
      const TPoint a = points[i];
      const TPoint b = points[(i + 1) % n];
      if (a.Y == b.Y) {
        continue;
      }
      const bool down = a.Y < b.Y;
      const TPoint lo = down ? a : b;
      const TPoint hi = down ? b : a;
      if (yc < lo.Y || yc >= hi.Y) {
        continue;
      }
      const double x = lo.X + (yc - lo.Y) * (hi.X - lo.X) / static_cast<double>(hi.Y - lo.Y);
      crossings.push_back({x, down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const TCross& p, const TCross& q) { return p.x < q.x; });
    std::vector<TSpan>& row = r.rows_[static_cast<std::size_t>(y - top)];
    int winding = 0;
    int count = 0;
    bool inside = false;
    double start = 0;
    for (const TCross& c : crossings) {
      winding += c.dir;
      ++count;
      const bool now = mode == fmAlternate ? (count % 2) == 1 : winding != 0;
      if (!inside && now) {
        start = c.x;
      } else if (inside && !now) {
        int x0 = static_cast<int>(std::ceil(start));
        int x1 = static_cast<int>(std::ceil(c.x));
        if (within != nullptr) {
          x0 = std::max(x0, within->Left);
          x1 = std::min(x1, within->Right);
        }
        if (x0 < x1) {
          row.push_back({x0, x1});
        }
      }
      inside = now;
    }
  }
  r.Normalize();
  out = std::move(r);
  return true;
}

void TRegion::Normalize() {
  for (auto& row : rows_) {
    std::sort(row.begin(), row.end(), [](const TSpan& a, const TSpan& b) { return a.X0 < b.X0; });
    std::vector<TSpan> merged;
    for (const TSpan& s : row) {
      if (s.X0 >= s.X1) {
        continue;
      }
      if (!merged.empty() && s.X0 <= merged.back().X1) {
        merged.back().X1 = std::max(merged.back().X1, s.X1);
      } else {
        merged.push_back(s);
      }
    }
    row = std::move(merged);
  }
  // Trim empty rows at both ends and recompute the horizontal bounds.
  std::size_t first = 0;
  while (first < rows_.size() && rows_[first].empty()) {
    ++first;
  }
  std::size_t last = rows_.size();
  while (last > first && rows_[last - 1].empty()) {
    --last;
  }
  if (first == last) {
    rows_.clear();
    bounds_ = {};
    return;
  }
  const int top = bounds_.Top + static_cast<int>(first);
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(last), rows_.end());
  rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(first));
  int left = rows_.front().front().X0;
  int right = rows_.front().back().X1;
  for (const auto& row : rows_) {
    if (!row.empty()) {
      left = std::min(left, row.front().X0);
      right = std::max(right, row.back().X1);
    }
  }
  bounds_ = {left, top, right, top + static_cast<int>(rows_.size())};
}

bool TRegion::Contains(int x, int y) const {
  for (const TSpan& s : Row(y)) {
    if (x >= s.X0 && x < s.X1) {
      return true;
    }
  }
  return false;
}

bool TRegion::IsRect() const {
  if (rows_.empty()) {
    return true;
  }
  for (const auto& row : rows_) {
    if (row.size() != 1 || row[0].X0 != bounds_.Left || row[0].X1 != bounds_.Right) {
      return false;
    }
  }
  return true;
}

std::span<const TRegion::TSpan> TRegion::Row(int y) const {
  if (y < bounds_.Top || y >= bounds_.Bottom) {
    return {};
  }
  return rows_[static_cast<std::size_t>(y - bounds_.Top)];
}

TRegion TRegion::Intersect(const TRegion& other) const {
  TRegion out;
  const int top = std::max(bounds_.Top, other.bounds_.Top);
  const int bottom = std::min(bounds_.Bottom, other.bounds_.Bottom);
  if (IsEmpty() || other.IsEmpty() || top >= bottom) {
    return out;
  }
  out.bounds_ = {0, top, 0, bottom};
  out.rows_.resize(static_cast<std::size_t>(bottom - top));
  for (int y = top; y < bottom; ++y) {
    auto a = Row(y);
    auto b = other.Row(y);
    std::vector<TSpan>& row = out.rows_[static_cast<std::size_t>(y - top)];
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
      const int x0 = std::max(a[i].X0, b[j].X0);
      const int x1 = std::min(a[i].X1, b[j].X1);
      if (x0 < x1) {
        row.push_back({x0, x1});
      }
      if (a[i].X1 < b[j].X1) {
        ++i;
      } else {
        ++j;
      }
    }
  }
  out.Normalize();
  return out;
}

TRegion TRegion::Offset(int dx, int dy) const {
  TRegion out = *this;
  if (out.IsEmpty()) {
    return out;
  }
  out.bounds_ = bounds_.Offset(dx, dy);
  for (auto& row : out.rows_) {
    for (TSpan& s : row) {
      s.X0 += dx;
      s.X1 += dx;
    }
  }
  return out;
}

}  // namespace gfx
