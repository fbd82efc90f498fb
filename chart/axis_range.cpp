// An axis' range from the series, its place along the plot and its label step.
#include <algorithm>
#include <cmath>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/pixel_math.h"

using namespace gfx;

void TChartAxis::AdjustRange(bool shown) {
  shown_ = shown;
  bool autoMin = automatic_ && automaticMinimum_;
  bool autoMax = automatic_ && automaticMaximum_;
  if (autoMin || autoMax) {
    bool anyActive = false;
    for (TChartSeries* s : chart_.SeriesList()) {
      if (s->Active() && (s->HorizAxis() == this || s->VertAxis() == this)) {
        anyActive = true;
      }
    }
    bool found = false;
    double low = 0, high = 0;
    for (TChartSeries* s : chart_.SeriesList()) {
      bool belongs = s->HorizAxis() == this || s->VertAxis() == this;
      if (!belongs || s->Count() == 0 || (anyActive && !s->Active())) {
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
      minimum_ = low;
    }
    if (autoMax) {
      maximum_ = high;
    }
  }
  SetRange(minimum_, maximum_);
}

void TChartAxis::PlaceAxis() {
  const TRect& plot = chart_.PlotRect();
  int32_t start = Horizontal() ? plot.Left : plot.Top;
  int32_t length = Horizontal() ? plot.Width() : plot.Height();
  SetPixels(start + RoundHalfEven(length * 0.01 * startPosition_),
            start + RoundHalfEven(length * 0.01 * endPosition_));
}

double TChartAxis::StepForCount(int32_t count) const {
  return StepForCount(count, increment_);
}

double TChartAxis::StepForCount(int32_t count, double increment) const {
  bool fewPoints = false;
  for (TChartSeries* s : chart_.SeriesList()) {
    bool alongThis = s->XAlongHorizontal() ? s->HorizAxis() == this : s->VertAxis() == this;
    if (s->Active() && alongThis && s->Count() <= count) {
      fewPoints = true;
      break;
    }
  }
  return ::StepForCount(count, CurrentRange(), increment, fewPoints, labelsSeparation_ >= 1);
}

double TChartAxis::StepWith(double increment) const {
  double lo = CurrentMin();
  double hi = CurrentMax();
  if (roundFirstLabel_ && increment != 0) {
    lo = increment * std::nearbyint(CurrentMin());
    hi = increment * std::trunc(CurrentMax());
  }
  double mid = (lo + hi) * 0.5;
  while (std::isfinite(mid) && mid == std::trunc(mid) && mid != 0) {
    mid *= 0.5;
  }
  int32_t size = std::max({LabelSize(lo), LabelSize(mid), LabelSize(hi)});
  if (increment != 0) {
    size = std::max({size, LabelSize(hi - increment), LabelSize(lo + increment)});
  }
  int32_t count = 1;
  if (size > 0) {
    double room = size;
    if (labelsSeparation_ > 0) {
      room += RoundHalfEven(0.01 * labelsSeparation_ * size);
    }
    count = RoundHalfEven(PixelSize() / room);
  }
  return StepForCount(count, increment);
}

double TChartAxis::ComputeStep() const {
  double step = StepWith(increment_);
  if (increment_ == 0 && step >= 2) {
    step = StepWith(1);  // whole steps: measured again as whole values
  }
  return step;
}
