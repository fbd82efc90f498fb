#include "chart/bar_series.h"

#include <algorithm>
#include <cstdlib>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/pixel_math.h"

using namespace gfx;

double TBarSeries::LowestY() const {
  double low = YValues.Lowest();
  return UseYOrigin ? std::min(low, YOrigin) : low;
}

double TBarSeries::HighestY() const {
  double high = YValues.Highest();
  return UseYOrigin ? std::max(high, YOrigin) : high;
}

void TBarSeries::PrepareBars() {
  OrderPosition = 1;
  PreviousCount = 0;
  BarCount = 0;
  MaxBarPoints = -1;
  TChart* chart = ParentChart();
  if (chart == nullptr) {
    return;
  }
  bool reached = false;
  for (TChartSeries* s : chart->SeriesList()) {
    auto* bar = dynamic_cast<TBarSeries*>(s);
    if (bar == nullptr || !bar->Active) {
      continue;
    }
    if (bar == this) {
      reached = true;
    }
    int32_t n = bar->Count();
    int32_t slots = (SideMargins && n > 0) ? n + 1 : n;
    if (MaxBarPoints == -1 || MaxBarPoints < slots) {
      MaxBarPoints = slots;
    }
    if (MultiBar == mbSide) {
      ++BarCount;
      if (!reached) {
        ++OrderPosition;
        PreviousCount += n;
      }
    }
  }
}

void TBarSeries::CalcBarSize() {
  if (CustomBarWidth != 0) {
    BarSize = CustomBarWidth;
    return;
  }
  if (MaxBarPoints <= 0 || HorizAxis() == nullptr) {
    BarSize = 0;
    return;
  }
  int32_t slot = HorizAxis()->PixelSize / MaxBarPoints;
  int32_t count = std::max(BarCount, 1);
  BarSize = RoundHalfEven(BarWidthPercent * 0.01 * slot) / count;
  if (BarSize % 2 != 0) {
    ++BarSize;
  }
}

void TBarSeries::BarMargin(int32_t& left, int32_t& right) {
  CalcBarSize();
  int32_t margin = BarSize * std::max(BarCount, 1);
  if (!SideMargins) {
    margin /= 2;
  }
  left = margin;
  right = margin;
}

int32_t TBarSeries::PointXPos(int32_t index) const {
  int32_t p = HorizAxis()->ValueToPixel(XValue(index));
  if (MultiBar == mbNone) {
    p -= BarSize / 2;
  } else {
    p += RoundHalfEven((OrderPosition - BarCount * 0.5 - 1) * BarSize);
  }
  if (OffsetPercent != 0) {
    p += RoundHalfEven(OffsetPercent * BarSize * 0.01);
  }
  return p;
}

int32_t TBarSeries::PointYPos(int32_t index) const {
  return VertAxis()->ValueToPixel(YValue(index));
}

int32_t TBarSeries::OriginPos(int32_t) const {
  if (UseYOrigin) {
    return VertAxis()->ValueToPixel(YOrigin);
  }
  return VertAxis()->LastPixel;
}

TRect TBarSeries::BarBounds(int32_t index) const {
  TRect r;
  r.Left = PointXPos(index);
  r.Right = r.Left + BarSize + 1;
  r.Top = PointYPos(index);
  r.Bottom = OriginPos(index);
  if (!BarPenVisible) {
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
  if (x < left || x > left + BarSize) {
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
  if (FirstVisibleIndex < 0 || LastVisibleIndex < 0 || HorizAxis() == nullptr ||
      VertAxis() == nullptr) {
    return -1;
  }
  int32_t last = std::min(LastVisibleIndex, Count() - 1);
  for (int32_t i = FirstVisibleIndex; i <= last; ++i) {
    if (BarContains(i, x, y)) {
      return i;
    }
  }
  return -1;
}

void TBarSeries::DrawAllPoints(TCanvas& canvas) {
  drawn_.clear();
  if (FirstVisibleIndex < 0 || LastVisibleIndex < 0) {
    return;
  }
  drawn_.reserve(static_cast<size_t>(LastVisibleIndex - FirstVisibleIndex + 1));
  for (int32_t i = FirstVisibleIndex; i <= LastVisibleIndex; ++i) {
    DrawPoint(canvas, i);
  }
}

void TBarSeries::DrawPoint(TCanvas& canvas, int32_t index) {
  TColor color = PointColor(index);
  if (color == clNone) {
    return;
  }
  TRect bounds = BarBounds(index);
  drawn_.push_back({index, bounds, color});
  TRect shape = bounds;
  shape.Top = std::min(bounds.Top, bounds.Bottom);
  shape.Bottom = std::max(bounds.Top, bounds.Bottom);
  PaintBar(canvas, shape, color);
}

void TBarSeries::PaintBar(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Pen = BarPen;
  if (!BarPenVisible) {
    canvas.Pen.Style = psClear;
  }
  canvas.Brush.Color = color;
  canvas.Brush.Style = BarBrush.Style;
  // bsRectangle, bsCilinder, bsRectGradient and bsBevel are a plain rectangle
  // in the flat view; the other shapes are not drawn by this program.
  BarRectangle(canvas, r.Left, r.Top, r.Right, r.Bottom);
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
