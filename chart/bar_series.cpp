#include "chart/bar_series.h"

#include <algorithm>
#include <cstdlib>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/pixel_math.h"

using namespace gfx;

void TBarSeries::SetMultiBar(TMultiBar v) {
  multiBar_ = v;
  ShareSideSettings();
}

void TBarSeries::SetSideMargins(bool v) {
  sideMargins_ = v;
  ShareSideSettings();
}

void TBarSeries::ShareSideSettings() {
  if (TChart* chart = ParentChart()) {
    for (TChartSeries* s : chart->SeriesList()) {
      if (auto* bar = dynamic_cast<TBarSeries*>(s)) {
        bar->multiBar_ = multiBar_;
        bar->sideMargins_ = sideMargins_;
      }
    }
  }
  Repaint();
}

double TBarSeries::LowestY() const {
  double low = YValues().Lowest();
  return useYOrigin_ ? std::min(low, yOrigin_) : low;
}

double TBarSeries::HighestY() const {
  double high = YValues().Highest();
  return useYOrigin_ ? std::max(high, yOrigin_) : high;
}

void TBarSeries::PrepareBars() {
  orderPosition_ = 1;
  barCount_ = 0;
  maxBarPoints_ = -1;
  TChart* chart = ParentChart();
  if (chart == nullptr) {
    return;
  }
  bool reached = false;
  for (TChartSeries* s : chart->SeriesList()) {
    auto* bar = dynamic_cast<TBarSeries*>(s);
    if (bar == nullptr || !bar->Active()) {
      continue;
    }
    if (bar == this) {
      reached = true;
    }
    int32_t n = bar->Count();
    int32_t slots = (sideMargins_ && n > 0) ? n + 1 : n;
    if (maxBarPoints_ == -1 || maxBarPoints_ < slots) {
      maxBarPoints_ = slots;
    }
    if (multiBar_ == mbSide) {
      ++barCount_;
      if (!reached) {
        ++orderPosition_;
      }
    }
  }
}

void TBarSeries::CalcBarSize() {
  if (customBarWidth_ != 0) {
    barSize_ = customBarWidth_;
    return;
  }
  if (maxBarPoints_ <= 0 || HorizAxis() == nullptr) {
    barSize_ = 0;
    return;
  }
  int32_t slot = HorizAxis()->PixelSize() / maxBarPoints_;
  int32_t count = std::max(barCount_, 1);
  barSize_ = RoundHalfEven(barWidthPercent_ * 0.01 * slot) / count;
  if (barSize_ % 2 != 0) {
    ++barSize_;
  }
}

void TBarSeries::BarMargin(int32_t& left, int32_t& right) {
  CalcBarSize();
  int32_t margin = barSize_ * std::max(barCount_, 1);
  if (!sideMargins_) {
    margin /= 2;
  }
  left = margin;
  right = margin;
}

int32_t TBarSeries::PointXPos(int32_t index) const {
  int32_t p = HorizAxis()->ValueToPixel(XValue(index));
  if (multiBar_ == mbNone) {
    p -= barSize_ / 2;
  } else {
    p += RoundHalfEven((orderPosition_ - barCount_ * 0.5 - 1) * barSize_);
  }
  if (offsetPercent_ != 0) {
    p += RoundHalfEven(offsetPercent_ * barSize_ * 0.01);
  }
  return p;
}

int32_t TBarSeries::PointYPos(int32_t index) const {
  return VertAxis()->ValueToPixel(YValue(index));
}

int32_t TBarSeries::OriginPos(int32_t) const {
  if (useYOrigin_) {
    return VertAxis()->ValueToPixel(yOrigin_);
  }
  return VertAxis()->LastPixel();
}

TRect TBarSeries::BarBounds(int32_t index) const {
  TRect r;
  r.Left = PointXPos(index);
  r.Right = r.Left + barSize_ + 1;
  r.Top = PointYPos(index);
  r.Bottom = OriginPos(index);
  if (!barPenVisible_) {
    if (r.Bottom > r.Top) {
      ++r.Bottom;
    } else {
      ++r.Top;
    }
    ++r.Right;
  }
  return r;
}

bool TBarSeries::BarContains(int32_t index, int32_t x, int32_t y) const {
  int32_t left = PointXPos(index);
  if (x < left || x > left + barSize_) {
    return false;
  }
  int32_t a = PointYPos(index);
  int32_t b = OriginPos(index);
  if (a > b) {
    std::swap(a, b);
  }
  return a <= y && y <= b;
}

int32_t TBarSeries::PointAt(int32_t x, int32_t y) const {
  if (FirstVisibleIndex() < 0 || LastVisibleIndex() < 0 || HorizAxis() == nullptr ||
      VertAxis() == nullptr) {
    return -1;
  }
  int32_t last = std::min(LastVisibleIndex(), Count() - 1);
  for (int32_t i = FirstVisibleIndex(); i <= last; ++i) {
    if (BarContains(i, x, y)) {
      return i;
    }
  }
  return -1;
}

namespace {
// The pixels a bar's rectangle (or, when flat, its line) paints.
TRect PaintedArea(const TRect& shape) {
  if (shape.Top == shape.Bottom) {
    return {shape.Left, shape.Top, shape.Right, shape.Top + 1};
  }
  return shape;
}

TRect Shape(const TRect& bounds) {
  return {bounds.Left, std::min(bounds.Top, bounds.Bottom), bounds.Right,
          std::max(bounds.Top, bounds.Bottom)};
}
}  // namespace

void TBarSeries::DrawAllPoints(TCanvas& canvas) {
  drawn_.clear();
  if (FirstVisibleIndex() < 0 || LastVisibleIndex() < 0) {
    return;
  }
  drawn_.reserve(static_cast<size_t>(LastVisibleIndex() - FirstVisibleIndex() + 1));
  for (int32_t i = FirstVisibleIndex(); i <= LastVisibleIndex(); ++i) {
    TColor color = PointColor(i);
    if (color != clNone) {
      drawn_.push_back({i, BarBounds(i), color});
    }
  }
  MarkHiddenBars();
  for (size_t k = 0; k < drawn_.size(); ++k) {
    if (!hidden_[k]) {
      PaintBar(canvas, Shape(drawn_[k].Bounds), drawn_[k].Color);
    }
  }
}

// Many bars share pixel columns when there are more points than pixels. A bar
// that a later one paints over completely would not show, so its pixels are
// not drawn at all; the picture is the same.
void TBarSeries::MarkHiddenBars() {
  hidden_.assign(drawn_.size(), false);
  if (!skipHiddenBars_ || drawn_.size() < 2) {
    return;
  }
  int32_t low = drawn_.front().Bounds.Left, high = low;
  for (const TDrawnBar& b : drawn_) {
    low = std::min(low, b.Bounds.Left);
    high = std::max(high, b.Bounds.Left);
  }
  if (static_cast<int64_t>(high) - low > (1 << 16)) {
    return;  // bars spread far beyond the plot: nothing worth the bookkeeping
  }
  // Per left edge, the painted areas of the later bars that are not inside
  // another one (few: every bar grows from the same origin).
  std::vector<std::vector<TRect>> later(static_cast<size_t>(high - low + 1));
  for (size_t k = drawn_.size(); k-- > 0;) {
    TRect area = PaintedArea(Shape(drawn_[k].Bounds));
    auto& covers = later[static_cast<size_t>(area.Left - low)];
    bool inside = false;
    for (const TRect& c : covers) {
      if (c.Right == area.Right && c.Top <= area.Top && area.Bottom <= c.Bottom) {
        inside = true;
        break;
      }
    }
    if (inside) {
      hidden_[k] = true;
      continue;
    }
    std::erase_if(covers, [&](const TRect& c) {
      return c.Right == area.Right && area.Top <= c.Top && c.Bottom <= area.Bottom;
    });
    covers.push_back(area);
  }
}

void TBarSeries::PaintBar(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Pen = barPen_;
  if (!barPenVisible_) {
    canvas.Pen.Style = psClear;
  }
  canvas.Brush.Color = color;
  canvas.Brush.Style = barBrush_.Style;
  // bsRectangle, bsCilinder, bsRectGradient and bsBevel are a plain rectangle
  // in the flat view; the other shapes are not drawn by this program.
  bool plain = canvas.Pen.Mode == pmCopy && canvas.Pen.Width == 1 &&
               canvas.Brush.Style == bsSolid && canvas.Origin() == TPoint{} &&
               canvas.ClipDepth() == 0;
  if (plain) {
    PaintClipped(canvas, r, color);
    return;
  }
  canvas.PushClipRect(clip_);
  BarRectangle(canvas, r.Left, r.Top, r.Right, r.Bottom);
  canvas.PopClip();
}

// What BarRectangle paints with a solid brush and a thin solid (or clear) pen,
// as clipped fills: outline, then the inside.
void TBarSeries::PaintClipped(TCanvas& canvas, const TRect& r, TColor color) {
  // Straight into the image: a bar is mostly narrow columns, where a call per
  // row would cost more than the pixels.
  TBitmap& image = canvas.Bitmap();
  const TRect limit = clip_.Intersect(image.BoundsRect());
  auto fill = [&](TRect part, TColor c) {
    part = part.Intersect(limit);
    if (part.IsEmpty()) {
      return;
    }
    const uint32_t px = PixelOf(ColorToRGB(c));
    for (int y = part.Top; y < part.Bottom; ++y) {
      uint32_t* row = image.Scanline(y);
      std::fill(row + part.Left, row + part.Right, px);
    }
  };
  bool pen = canvas.Pen.Style != psClear && canvas.Pen.Color != clNone;
  if (r.Left == r.Right || r.Top == r.Bottom) {
    // A line in the bar's colour from (left, top) to (right, bottom), end left
    // out; the empty rectangle adds nothing.
    if (r.Top == r.Bottom) {
      fill({r.Left, r.Top, r.Right, r.Top + 1}, color);
    } else {
      fill({r.Left, r.Top, r.Left + 1, r.Bottom}, color);
    }
    return;
  }
  if (!pen) {
    fill({r.Left, r.Top, r.Right - 1, r.Bottom - 1}, color);
    return;
  }
  TColor outline = canvas.Pen.Color;
  fill({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, color);
  fill({r.Left, r.Top, r.Right, r.Top + 1}, outline);
  fill({r.Left, r.Bottom - 1, r.Right, r.Bottom}, outline);
  fill({r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}, outline);
  if (r.Right - 1 > r.Left) {
    fill({r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1}, outline);
  }
}

void TBarSeries::BarRectangle(TCanvas& canvas, int left, int top, int right, int bottom) {
  if (canvas.Brush.Style == bsSolid) {
    if (left == right || top == bottom) {
      canvas.Pen.Color = canvas.Brush.Color;
      if (canvas.Pen.Style == psClear) {
        canvas.Pen.Style = psSolid;
      }
      canvas.Line(left, top, right, bottom);
    } else if (canvas.Pen.Width > std::abs(right - left) ||
               canvas.Pen.Width > std::abs(bottom - top)) {
      canvas.Pen.Color = canvas.Brush.Color;
      if (canvas.Pen.Style == psClear) {
        canvas.Pen.Style = psSolid;
      }
      canvas.Brush.Style = bsClear;
    }
  }
  canvas.Rectangle(left, top, right, bottom);
}
