#include "gfx/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "gfx/shading.h"

namespace gfx {

namespace {

bool PenVisible(const TPen& pen) {
  return pen.Style != psClear && pen.Color != clNone;
}

std::uint32_t Resolve(TColor c) {
  return PixelOf(ColorToRGB(c));
}

TRect Normalized(TRect r) {
  if (r.Left > r.Right) {
    std::swap(r.Left, r.Right);
  }
  if (r.Top > r.Bottom) {
    std::swap(r.Top, r.Bottom);
  }
  return r;
}

int Luma(std::uint32_t px) {
  return (RedOf(px) * 299 + GreenOf(px) * 587 + BlueOf(px) * 114 + 500) / 1000;
}

// Source-over of `src` (with its own alpha) onto `dst`.
std::uint32_t Over(std::uint32_t src, std::uint32_t dst) {
  const int a = AlphaOf(src);
  if (a == 255) {
    return src;
  }
  if (a == 0) {
    return dst;
  }
  auto mix = [a](int s, int d) { return (s * a + d * (255 - a) + 127) / 255; };
  const int da = AlphaOf(dst);
  const int oa = a + (da * (255 - a) + 127) / 255;
  return static_cast<std::uint32_t>(mix(RedOf(src), RedOf(dst)) |
                                    (mix(GreenOf(src), GreenOf(dst)) << 8) |
                                    (mix(BlueOf(src), BlueOf(dst)) << 16) | (oa << 24));
}

// Puts h rows of w source pixels with their top-left at device (dx0, dy0):
// rowOf(row) gives the row's pixel function, called as put(to, column) for
// every device pixel `to` of `target` that visit(y, x0, x1, runs) lets through.
template <typename Visit, typename RowOf>
void PutRows(TBitmap& target, const Visit& visit, int dx0, int dy0, int w, int h, RowOf&& rowOf) {
  for (int row = 0; row < h; ++row) {
    const int dy = dy0 + row;
    auto put = rowOf(row);
    visit(dy, dx0, dx0 + w, [&](int a, int b) {
      std::uint32_t* to = target.Scanline(dy);
      for (int dx = a; dx < b; ++dx) {
        put(to[dx], dx - dx0);
      }
    });
  }
}

}  // namespace

TCanvas::TCanvas(TBitmap& target) : target_(&target) {}

TTextEngine& TCanvas::TextEngine() const {
  return engine_ != nullptr ? *engine_ : DefaultTextEngine();
}

// --- Clipping -------------------------------------------------------------

void TCanvas::PushDeviceRegion(TRegion region) {
  const TRegion& base = clips_.empty() ? TRegion::FromRect(target_->BoundsRect()) : clips_.back();
  clips_.push_back(region.Intersect(base));
}

void TCanvas::PushClipRect(const TRect& r) {
  // Cut to the image first: a rectangle region holds one entry per row.
  const TRect d = ClampToImage(Normalized(r).Offset(origin_.X, origin_.Y));
  PushDeviceRegion(TRegion::FromRect(d));
}

void TCanvas::PushClipRegion(const TRegion& logicalRegion) {
  PushDeviceRegion(logicalRegion.Offset(origin_.X, origin_.Y));
}

bool TCanvas::PushClipPolygon(std::span<const TPoint> points, std::string* error) {
  // Built in device coordinates and only where the image is.
  std::vector<TPoint> device(points.begin(), points.end());
  for (TPoint& p : device) {
    p = {p.X + origin_.X, p.Y + origin_.Y};
  }
  const TRect image = target_->BoundsRect();
  TRegion region;
  if (!TRegion::FromPolygon(device, region, fmAlternate, &image)) {
    if (error != nullptr) {
      *error = kErrorCreatingRegion;
    }
    return false;
  }
  PushDeviceRegion(std::move(region));
  return true;
}

void TCanvas::PopClip() {
  if (!clips_.empty()) {
    clips_.pop_back();
  }
}

TRect TCanvas::ClipBounds() const {
  const TRect device = clips_.empty() ? target_->BoundsRect() : clips_.back().Bounds();
  return device.Offset(-origin_.X, -origin_.Y);
}

bool TCanvas::Visible(int dx, int dy) const {
  if (dx < 0 || dy < 0 || dx >= target_->Width() || dy >= target_->Height()) {
    return false;
  }
  return clips_.empty() || clips_.back().Contains(dx, dy);
}

// --- Device primitives ----------------------------------------------------

TRect TCanvas::ClampToImage(const TRect& r) const {
  return r.Intersect(target_->BoundsRect());
}

void TCanvas::FillDevice(const TRect& rect, std::uint32_t px) {
  const TRect r = ClampToImage(rect);
  for (int y = r.Top; y < r.Bottom; ++y) {
    VisitRow(y, r.Left, r.Right, [&](int a, int b) {
      std::fill(target_->Scanline(y) + a, target_->Scanline(y) + b, px);
    });
  }
}

std::uint32_t TCanvas::PenPixelValue() const {
  return Resolve(Pen.Color);
}

namespace {

inline void ApplyPen(std::uint32_t& p, std::uint32_t pen, TPenMode mode) {
  switch (mode) {
    case pmCopy:
      p = pen;
      break;
    case pmNotXor:
      p = ((~(pen ^ p)) & 0x00FFFFFF) | (p & kOpaque);
      break;
    case pmXor:
      p = ((pen ^ p) & 0x00FFFFFF) | (p & kOpaque);
      break;
    case pmNot:
      p = (~p & 0x00FFFFFF) | (p & kOpaque);
      break;
  }
}

}  // namespace

void TCanvas::PenSpan(int dy, int x0, int x1, std::uint32_t pen) {
  const TPenMode mode = Pen.Mode;
  VisitRow(dy, x0, x1, [&](int a, int b) {
    std::uint32_t* row = target_->Scanline(dy);
    for (int x = a; x < b; ++x) {
      ApplyPen(row[x], pen, mode);
    }
  });
}

void TCanvas::PenPixel(int dx, int dy, std::uint32_t pen) {
  if (Visible(dx, dy)) {
    ApplyPen(target_->Scanline(dy)[dx], pen, Pen.Mode);
  }
}

void TCanvas::DrawSegment(TPoint a, TPoint b) {
  const std::int64_t dx = std::llabs(static_cast<std::int64_t>(b.X) - a.X);
  const std::int64_t dy = std::llabs(static_cast<std::int64_t>(b.Y) - a.Y);
  const int sx = b.X >= a.X ? 1 : -1;
  const int sy = b.Y >= a.Y ? 1 : -1;
  const int w = std::max(Pen.Width, 1);
  const int lead = w / 2;  // width 2 adds the row above / column left
  const std::uint32_t pen = PenPixelValue();
  const bool xMajor = dx >= dy;
  // Along the major axis, in its own terms: step i plots major = a + s*i and
  // minor = a + s*k(i), k(i) = ceil((2*dm*i - dM) / (2*dM)), which is what the
  // incremental midpoint rule gives; so the walk can start and stop where
  // the line meets the image instead of at its (possibly far) ends.
  const std::int64_t dM = xMajor ? dx : dy;
  const std::int64_t dm = xMajor ? dy : dx;
  const int sM = xMajor ? sx : sy;
  const int sm = xMajor ? sy : sx;
  const int aM = xMajor ? a.X : a.Y;
  const int am = xMajor ? a.Y : a.X;
  const int extentM = xMajor ? target_->Width() : target_->Height();
  const std::int64_t steps = dM;
  if (steps == 0) {
    return;
  }
  // Steps whose major coordinate lies in [-w, extent + w).
  auto stepOf = [&](std::int64_t coord) { return (coord - aM) * sM; };
  std::int64_t lo = sM > 0 ? stepOf(-w) : stepOf(extentM + w - 1);
  std::int64_t hi = (sM > 0 ? stepOf(extentM + w - 1) : stepOf(-w)) + 1;
  lo = std::max<std::int64_t>(lo, 0);
  hi = std::min<std::int64_t>(hi, steps);
  auto ceilDiv = [](std::int64_t n, std::int64_t d) {
    return n >= 0 ? (n + d - 1) / d : -((-n) / d);
  };
  std::int64_t k = lo == 0 ? 0 : ceilDiv(2 * dm * lo - dM, 2 * dM);
  std::int64_t err = 2 * dm * (lo + 1) - dM - 2 * dM * k;
  if (w == 1 && Pen.Style == psSolid && Pen.Mode == pmCopy && clips_.empty()) {
    // The common case: plain 1-pixel lines, only the image edge to respect.
    const int width = target_->Width();
    const int height = target_->Height();
    for (std::int64_t i = lo; i < hi; ++i) {
      const int major = static_cast<int>(aM + sM * i);
      const int minor = static_cast<int>(am + sm * k);
      const int x = xMajor ? major : minor;
      const int y = xMajor ? minor : major;
      if (x >= 0 && y >= 0 && x < width && y < height) {
        target_->Scanline(y)[x] = pen;
      }
      if (err > 0) {
        ++k;
        err -= 2 * dM;
      }
      err += 2 * dm;
    }
    return;
  }
  for (std::int64_t i = lo; i < hi; ++i) {
    const int major = static_cast<int>(aM + sM * i);
    const int minor = static_cast<int>(am + sm * k);
    const bool on = Pen.Style != psDot || (i % 2) == 0;
    if (on) {
      if (xMajor) {
        for (int t = 0; t < w; ++t) {
          PenPixel(major, minor - lead + t, pen);
        }
      } else {
        PenSpan(major, minor - lead, minor - lead + w, pen);
      }
    }
    if (err > 0) {
      ++k;
      err -= 2 * dM;
    }
    err += 2 * dm;
  }
}

// --- Areas ----------------------------------------------------------------

void TCanvas::FillRect(const TRect& r) {
  if (Brush.Style == bsClear || Brush.Color == clNone) {
    return;
  }
  FillDevice(r.Offset(origin_.X, origin_.Y), Resolve(Brush.Color));
}

void TCanvas::FillRect(const TRect& r, TColor color) {
  if (color == clNone) {
    return;
  }
  FillDevice(r.Offset(origin_.X, origin_.Y), Resolve(color));
}

void TCanvas::FrameRect(const TRect& r) {
  if (Brush.Style == bsClear) {
    return;
  }
  FrameRect(r, Brush.Color);
}

void TCanvas::FrameRect(const TRect& r, TColor color) {
  if (color == clNone || r.IsEmpty()) {
    return;
  }
  const std::uint32_t px = Resolve(color);
  const TRect d = r.Offset(origin_.X, origin_.Y);
  FillDevice({d.Left, d.Top, d.Right, d.Top + 1}, px);
  if (d.Height() > 1) {
    FillDevice({d.Left, d.Bottom - 1, d.Right, d.Bottom}, px);
  }
  FillDevice({d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1}, px);
  if (d.Width() > 1) {
    FillDevice({d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1}, px);
  }
}

void TCanvas::Rectangle(const TRect& rect) {
  const TRect d = Normalized(rect).Offset(origin_.X, origin_.Y);
  const bool brush = Brush.Style != bsClear && Brush.Color != clNone;
  if (!PenVisible(Pen)) {
    // Without a pen the classic interface fills one pixel less on the right
    // and at the bottom; callers (the chart's bars) compensate for it.
    if (brush) {
      FillDevice({d.Left, d.Top, d.Right - 1, d.Bottom - 1}, Resolve(Brush.Color));
    }
    return;
  }
  const int w = std::max(Pen.Width, 1);
  if (brush) {
    FillDevice(d.Deflate(w), Resolve(Brush.Color));
  }
  if (d.IsEmpty()) {
    return;
  }
  if (Pen.Style == psDot) {
    const TPoint tl{d.Left, d.Top};
    const TPoint tr{d.Right - 1, d.Top};
    const TPoint br{d.Right - 1, d.Bottom - 1};
    const TPoint bl{d.Left, d.Bottom - 1};
    const int saved = Pen.Width;
    Pen.Width = 1;
    DrawSegment(tl, tr);
    DrawSegment(tr, br);
    DrawSegment(br, bl);
    DrawSegment(bl, tl);
    Pen.Width = saved;
    return;
  }
  // The outline as four bands that never overlap, so inverting modes touch
  // every pixel once.
  const std::uint32_t pen = PenPixelValue();
  const int top_end = std::min(d.Top + w, d.Bottom);
  const int bottom_start = std::max(top_end, d.Bottom - w);
  const int left_end = std::min(d.Left + w, d.Right);
  const int right_start = std::max(left_end, d.Right - w);
  auto band = [&](int l, int t, int r, int b) {
    t = std::max(t, 0);
    b = std::min(b, target_->Height());
    for (int y = t; y < b; ++y) {
      PenSpan(y, l, r, pen);
    }
  };
  band(d.Left, d.Top, d.Right, top_end);
  band(d.Left, bottom_start, d.Right, d.Bottom);
  band(d.Left, top_end, left_end, bottom_start);
  band(right_start, top_end, d.Right, bottom_start);
}

void TCanvas::Polygon(std::span<const TPoint> points, TFillMode mode) {
  if (points.size() < 2) {
    return;
  }
  if (Brush.Style != bsClear && Brush.Color != clNone && points.size() >= 3) {
    std::vector<TPoint> device(points.begin(), points.end());
    for (TPoint& p : device) {
      p = {p.X + origin_.X, p.Y + origin_.Y};
    }
    const TRect image = target_->BoundsRect();
    TRegion region;
    if (TRegion::FromPolygon(device, region, mode, &image)) {
      const std::uint32_t px = Resolve(Brush.Color);
      const TRect b = region.Bounds();
      for (int y = b.Top; y < b.Bottom; ++y) {
        for (const TRegion::TSpan& s : region.Row(y)) {
          VisitRow(y, s.X0, s.X1, [&](int a, int c) {
            std::fill(target_->Scanline(y) + a, target_->Scanline(y) + c, px);
          });
        }
      }
    }
  }
  if (!PenVisible(Pen)) {
    return;
  }
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TPoint a = points[i];
    const TPoint b = points[(i + 1) % points.size()];
    DrawSegment({a.X + origin_.X, a.Y + origin_.Y}, {b.X + origin_.X, b.Y + origin_.Y});
  }
}

void TCanvas::DrawFocusRect(const TRect& r) {
  const TRect d = Normalized(r).Offset(origin_.X, origin_.Y);
  if (d.IsEmpty()) {
    return;
  }
  auto invert = [&](int x, int y) {
    if (((x + y) & 1) == 0 && Visible(x, y)) {
      std::uint32_t& p = target_->Scanline(y)[x];
      p ^= 0x00FFFFFF;
    }
  };
  // Only the part over the image is walked.
  const int x0 = std::max(d.Left, 0);
  const int x1 = std::min(d.Right, target_->Width());
  const int y0 = std::max(d.Top + 1, 0);
  const int y1 = std::min(d.Bottom - 1, target_->Height());
  for (int x = x0; x < x1; ++x) {
    invert(x, d.Top);
    if (d.Height() > 1) {
      invert(x, d.Bottom - 1);
    }
  }
  for (int y = y0; y < y1; ++y) {
    invert(d.Left, y);
    if (d.Width() > 1) {
      invert(d.Right - 1, y);
    }
  }
}

void TCanvas::InvertRect(const TRect& r) {
  const TRect d = ClampToImage(Normalized(r).Offset(origin_.X, origin_.Y));
  for (int y = d.Top; y < d.Bottom; ++y) {
    VisitRow(y, d.Left, d.Right, [&](int a, int b) {
      std::uint32_t* row = target_->Scanline(y);
      for (int x = a; x < b; ++x) {
        row[x] ^= 0x00FFFFFF;
      }
    });
  }
}

// --- Lines ----------------------------------------------------------------

void TCanvas::MoveTo(int x, int y) {
  penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
  if (PenVisible(Pen)) {
    DrawSegment({penPos_.X + origin_.X, penPos_.Y + origin_.Y}, {x + origin_.X, y + origin_.Y});
  }
  penPos_ = {x, y};
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (!PenVisible(Pen)) {
    return;
  }
  for (std::size_t i = 1; i < points.size(); ++i) {
    DrawSegment({points[i - 1].X + origin_.X, points[i - 1].Y + origin_.Y},
                {points[i].X + origin_.X, points[i].Y + origin_.Y});
  }
}

// --- Pixels ---------------------------------------------------------------

TColor TCanvas::Pixels(int x, int y) const {
  const int dx = x + origin_.X;
  const int dy = y + origin_.Y;
  if (dx < 0 || dy < 0 || dx >= target_->Width() || dy >= target_->Height()) {
    return clNone;
  }
  return ColorOfPixel(target_->At(dx, dy));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (color == clNone) {
    return;
  }
  const int dx = x + origin_.X;
  const int dy = y + origin_.Y;
  if (Visible(dx, dy)) {
    target_->Set(dx, dy, Resolve(color));
  }
}

void TCanvas::BlendPixel(int x, int y, TColor color, int weight) {
  BlendRect({x, y, x + 1, y + 1}, color, weight);
}

void TCanvas::BlendRect(const TRect& r, TColor color, int weight) {
  if (color == clNone) {
    return;
  }
  const TColor c = ColorToRGB(color);
  const TRect d = ClampToImage(Normalized(r).Offset(origin_.X, origin_.Y));
  for (int y = d.Top; y < d.Bottom; ++y) {
    VisitRow(y, d.Left, d.Right, [&](int a, int b) {
      std::uint32_t* row = target_->Scanline(y);
      for (int x = a; x < b; ++x) {
        row[x] = PixelOf(Blend(c, ColorOfPixel(row[x]), weight)) | (row[x] & kOpaque);
      }
    });
  }
}

// --- Images ---------------------------------------------------------------

void TCanvas::Draw(int x, int y, const TBitmap& src) {
  Draw(x, y, src, src.BoundsRect());
}

void TCanvas::Draw(int x, int y, const TBitmap& src, const TRect& srcRect) {
  const TRect s = srcRect.Intersect(src.BoundsRect());
  PutRows(
      *target_, [this](int row, int x0, int x1, const auto& f) { VisitRow(row, x0, x1, f); },
      x + origin_.X + (s.Left - srcRect.Left), y + origin_.Y + (s.Top - srcRect.Top), s.Width(),
      s.Height(),
      [&](int row) {
        const std::uint32_t* from = src.Scanline(s.Top + row) + s.Left;
        return [from](std::uint32_t& to, int i) { to = from[i] | kOpaque; };
      });
}

void TCanvas::DrawAlpha(int x, int y, const TBitmap& src) {
  PutRows(
      *target_, [this](int row, int x0, int x1, const auto& f) { VisitRow(row, x0, x1, f); },
      x + origin_.X, y + origin_.Y, src.Width(), src.Height(),
      [&](int row) {
        const std::uint32_t* from = src.Scanline(row);
        return [from](std::uint32_t& to, int i) { to = Over(from[i], to); };
      });
}

void TCanvas::DrawMasked(int x, int y, const TBitmap& src, const TBitmap& mask) {
  const int h = std::min(src.Height(), mask.Height());
  const int w = std::min(src.Width(), mask.Width());
  PutRows(
      *target_, [this](int row, int x0, int x1, const auto& f) { VisitRow(row, x0, x1, f); },
      x + origin_.X, y + origin_.Y, w, h,
      [&](int row) {
        const std::uint32_t* from = src.Scanline(row);
        const std::uint32_t* m = mask.Scanline(row);
        return [from, m](std::uint32_t& to, int i) {
          if (ColorOfPixel(m[i]) == 0) {
            to = from[i] | kOpaque;
          }
        };
      });
}

void TCanvas::DrawGreyed(int x, int y, const TBitmap& src) {
  const bool alpha = src.HasAlpha();
  PutRows(
      *target_, [this](int row, int x0, int x1, const auto& f) { VisitRow(row, x0, x1, f); },
      x + origin_.X, y + origin_.Y, src.Width(), src.Height(),
      [&](int row) {
        const std::uint32_t* from = src.Scanline(row);
        return [from, alpha](std::uint32_t& to, int i) {
          const std::uint32_t s = from[i];
          const int l = Luma(s);
          const std::uint32_t grey = MakeColor(l, l, l) | (alpha ? (s & kOpaque) : kOpaque);
          to = Over(grey, to);
        };
      });
}

}  // namespace gfx
