// Range, pixel mapping and label step of an axis.
#include <cmath>
#include <limits>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/pixel_math.h"

using namespace gfx;

namespace {
constexpr double kMinStep = 1e-12;
}

TFont ChartFont() {
  TFont font;
  font.Name = "Arial";
  font.Height = PointsToPixels(8);
  font.Color = clBlack;
  font.Charset = DEFAULT_CHARSET;
  return font;
}

TChartAxis::TChartAxis(TChart& chart, bool horizontal, bool otherSide, bool depth)
    : Horizontal(horizontal), OtherSide(otherSide), IsDepthAxis(depth), chart_(chart) {
  Title.Font = ChartFont();
  LabelsFont = ChartFont();
  if (!horizontal && !depth) {
    Title.Angle = otherSide ? 270 : 90;
  }
}

void TChartAxis::AdjustRange() {
  bool autoMin = Automatic && AutomaticMinimum;
  bool autoMax = Automatic && AutomaticMaximum;
  if (autoMin || autoMax) {
    bool anyActive = false;
    for (TChartSeries* s : chart_.SeriesList()) {
      if (s->Active && (s->HorizAxis() == this || s->VertAxis() == this)) {
        anyActive = true;
      }
    }
    bool found = false;
    double low = 0, high = 0;
    for (TChartSeries* s : chart_.SeriesList()) {
      bool belongs = s->HorizAxis() == this || s->VertAxis() == this;
      if (!belongs || s->Count() == 0 || (anyActive && !s->Active)) {
        continue;
      }
      // The axis along which the series' X values run carries X; the other Y.
      bool carriesX = (s->HorizAxis() == this) == s->XAlongHorizontal();
      double lo = carriesX ? s->LowestX() : s->LowestY();
      double hi = carriesX ? s->HighestX() : s->HighestY();
      if (!found) {
        low = lo;
        high = hi;
        found = true;
      } else {
        low = std::min(low, lo);
        high = std::max(high, hi);
      }
    }
    // An automatic end keeps what it found, for the mouse operations.
    if (autoMin) {
      Minimum = low;
    }
    if (autoMax) {
      Maximum = high;
    }
  }
  CurrentMin = Minimum;
  CurrentMax = Maximum;
  RecalcRange();
}

void TChartAxis::RecalcRange() {
  CurrentRange = CurrentMax - CurrentMin;
  RangeIsZero = CurrentRange == 0;
  PixelsPerUnit = RangeIsZero ? 0 : PixelSize / CurrentRange;
}

void TChartAxis::PlaceAxis() {
  const TRect& plot = chart_.PlotRect();
  if (Horizontal) {
    int32_t width = plot.Width();
    FirstPixel = plot.Left + RoundHalfEven(width * 0.01 * StartPosition);
    LastPixel = plot.Left + RoundHalfEven(width * 0.01 * EndPosition);
  } else {
    int32_t height = plot.Height();
    FirstPixel = plot.Top + RoundHalfEven(height * 0.01 * StartPosition);
    LastPixel = plot.Top + RoundHalfEven(height * 0.01 * EndPosition);
  }
  PixelSize = LastPixel - FirstPixel;
  CenterPixel = (FirstPixel + LastPixel) / 2;
  RecalcRange();
}

void TChartAxis::ApplyMargins(int32_t low, int32_t high) {
  if (low == 0 && high == 0) {
    return;  // nothing to keep free: the range stays exactly as it is
  }
  int32_t first = FirstPixel;
  int32_t last = LastPixel;
  FirstPixel += low;
  LastPixel -= high;
  PixelSize = LastPixel - FirstPixel;
  RecalcRange();
  double a = PixelToValue(first);
  double b = PixelToValue(last);
  PlaceAxis();
  if (a > b) {
    std::swap(a, b);
  }
  CurrentMin = a;
  CurrentMax = b;
  RecalcRange();
}

int32_t TChartAxis::ValueToPixel(double value) const {
  if (RangeIsZero) {
    return CenterPixel;
  }
  double d = (value - CurrentMin) * PixelsPerUnit;
  return ClampPixel(Horizontal ? FirstPixel + d : LastPixel - d);
}

double TChartAxis::PixelToValue(int32_t pixel) const {
  if (PixelSize < 1) {
    return 0;
  }
  double c = static_cast<double>(pixel - FirstPixel) * CurrentRange / PixelSize;
  return Horizontal ? CurrentMin + c : CurrentMax - c;
}

double TChartAxis::NextNiceStep(double x) {
  if (std::isinf(x) || !(x > 0)) {
    return 1;  // also guards against endless recursion on 0 and NaN
  }
  if (x >= 10) {
    return 10 * NextNiceStep(x * 0.1);
  }
  if (x >= 5) {
    return 10;
  }
  if (x >= 2) {
    return 5;
  }
  if (x >= 1) {
    return 2;
  }
  return 0.1 * NextNiceStep(x * 10);
}

double TChartAxis::StepForCount(int32_t count) const {
  if (count < 1) {
    return kMinStep;
  }
  double step;
  if (Increment > 0) {
    step = Increment;
  } else if (CurrentRange != 0) {
    step = std::fabs(CurrentRange) / (static_cast<double>(count) + 1);
    if (CurrentRange >= 1) {
      for (TChartSeries* s : chart_.SeriesList()) {
        bool alongThis = s->XAlongHorizontal() ? s->HorizAxis() == this : s->VertAxis() == this;
        if (s->Active && alongThis && s->Count() <= count) {
          step = std::max(step, 1.0);
          break;
        }
      }
    }
  } else {
    step = 1;
  }
  if (LabelsSeparation >= 1) {
    double m = static_cast<double>(count) + 1;
    do {
      double q = CurrentRange / step;
      if (std::fabs(q) < 2147483647.0) {
        m = std::nearbyint(q);
        if (m > count) {
          step = NextNiceStep(step);
        }
      } else {
        step = NextNiceStep(step);
      }
    } while (m > count && step <= CurrentRange && !std::isinf(step));
  }
  if (std::isinf(step)) {
    return CurrentRange;
  }
  return std::max(step, kMinStep);
}

double TChartAxis::ComputeStepOnce(TCanvas& canvas) {
  double lo = CurrentMin;
  double hi = CurrentMax;
  if (RoundFirstLabel && Increment != 0) {
    lo = Increment * std::nearbyint(CurrentMin);
    hi = Increment * std::trunc(CurrentMax);
  }
  double mid = (lo + hi) * 0.5;
  while (std::isfinite(mid) && mid == std::trunc(mid) && mid != 0) {
    mid *= 0.5;
  }
  int32_t size = std::max({LabelSize(canvas, lo), LabelSize(canvas, mid), LabelSize(canvas, hi)});
  if (Increment != 0) {
    size = std::max({size, LabelSize(canvas, hi - Increment), LabelSize(canvas, lo + Increment)});
  }
  int32_t count = 1;
  if (size > 0) {
    double room = size;
    if (LabelsSeparation > 0) {
      room += RoundHalfEven(0.01 * LabelsSeparation * size);
    }
    count = RoundHalfEven(PixelSize / room);
  }
  return StepForCount(count);
}

double TChartAxis::ComputeStep(TCanvas& canvas) {
  double step = ComputeStepOnce(canvas);
  if (Increment == 0 && step >= 2) {
    // Whole steps: measure again with labels rounded to whole values. The
    // temporary increment requests no repaint (a paint is running).
    Increment = 1;
    step = ComputeStepOnce(canvas);
    Increment = 0;
  }
  return step;
}
