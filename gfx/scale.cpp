#include "gfx/scale.h"

#include <cstdint>
#include <cstdlib>

#include "gfx/font.h"

namespace gfx {

int MulDiv(int a, int b, int c) {
  if (c == 0) {
    return -1;
  }
  const std::int64_t num = static_cast<std::int64_t>(a) * b;
  const std::int64_t den = c;
  const bool negative = (num < 0) != (den < 0);
  const std::int64_t q = (2 * std::llabs(num) + std::llabs(den)) / (2 * std::llabs(den));
  return static_cast<int>(negative ? -q : q);
}

int PointsToPixels(int points, int dpi) {
  return MulDiv(points, dpi, 72);
}

}  // namespace gfx
