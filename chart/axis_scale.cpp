// Range, pixel mapping and label step of an axis.
#include "chart/axis_scale.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "chart/pixel_math.h"

namespace {
constexpr double kMinStep = 1e-12;
}

void TAxisScale::SetRange(double min, double max) {
  min_ = min;
  max_ = max;
  Recalc();
}

void TAxisScale::SetPixels(int32_t first, int32_t last) {
  first_ = first;
  last_ = last;
  size_ = last - first;
  center_ = (first + last) / 2;
  Recalc();
}

void TAxisScale::Recalc() {
  range_ = max_ - min_;
  perUnit_ = range_ == 0 ? 0 : size_ / range_;
}

void TAxisScale::ApplyMargins(int32_t low, int32_t high) {
  if (low == 0 && high == 0) {
    return;  // nothing to keep free: the range stays exactly as it is
  }
  const int32_t first = first_, last = last_;
  SetPixels(first + low, last - high);
  double a = PixelToValue(first);
  double b = PixelToValue(last);
  SetPixels(first, last);
  if (a > b) {
    std::swap(a, b);
  }
  SetRange(a, b);
}

int32_t TAxisScale::ValueToPixel(double value) const {
  if (RangeIsZero()) {
    return center_;
  }
  double d = (value - min_) * perUnit_;
  return ClampPixel(horizontal_ ? first_ + d : last_ - d);
}

double TAxisScale::PixelToValue(int32_t pixel) const {
  if (size_ < 1) {
    return 0;
  }
  const auto limit = static_cast<int32_t>(kMaxPixel);
  pixel = std::clamp(pixel, -limit, limit);
  double c = static_cast<double>(pixel - first_) * range_ / size_;
  return horizontal_ ? min_ + c : max_ - c;
}

double NextNiceStep(double x) {
  if (std::isinf(x) || !(x > 0)) {
    return 1;  // also guards against endless recursion on 0 and NaN
  }
  double next;
  if (x >= 10) {
    next = 10 * NextNiceStep(x * 0.1);
  } else if (x >= 5) {
    next = 10;
  } else if (x >= 2) {
    next = 5;
  } else if (x >= 1) {
    next = 2;
  } else {
    next = 0.1 * NextNiceStep(x * 10);
  }
  // Subnormal decades round the tenths away: doubling still moves on.
  return next > x ? next : 2 * x;
}

double StepForCount(int32_t count, double range, double increment, bool atLeastOne,
                    bool separated) {
  if (count < 1) {
    return kMinStep;
  }
  double step;
  if (increment > 0) {
    step = increment;
  } else if (range != 0) {
    step = std::fabs(range) / (static_cast<double>(count) + 1);
    if (range >= 1 && atLeastOne) {
      step = std::max(step, 1.0);
    }
  } else {
    step = 1;
  }
  if (separated) {
    double m = static_cast<double>(count) + 1;
    do {
      double q = range / step;
      if (std::fabs(q) < 2147483647.0) {
        m = std::nearbyint(q);
        if (m > count) {
          step = NextNiceStep(step);
        }
      } else {
        step = NextNiceStep(step);
      }
    } while (m > count && step <= range && !std::isinf(step));
  }
  if (std::isinf(step)) {
    return range;
  }
  return std::max(step, kMinStep);
}
