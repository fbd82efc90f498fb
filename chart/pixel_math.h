#pragma once

#include <cmath>
#include <cstdint>

// Integer pixel arithmetic of the chart: fractions round to nearest with ties
// to even, and positions computed from values are clamped first so that huge or
// infinite values cannot overflow 32-bit coordinates.
constexpr double kMaxPixel = 67108863.0;  // 0x3FFFFFF

inline int32_t RoundHalfEven(double v) {
  if (std::isnan(v)) {
    return 0;
  }
  if (v > 2147483647.0) {
    return INT32_MAX;
  }
  if (v < -2147483648.0) {
    return INT32_MIN;
  }
  return static_cast<int32_t>(std::nearbyint(v));
}

inline int32_t ClampPixel(double v) {
  if (std::isnan(v)) {
    return 0;
  }
  if (v > kMaxPixel) {
    v = kMaxPixel;
  } else if (v < -kMaxPixel) {
    v = -kMaxPixel;
  }
  return static_cast<int32_t>(std::nearbyint(v));
}
