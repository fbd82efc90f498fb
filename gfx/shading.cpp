#include "gfx/shading.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace gfx {

namespace {

constexpr double kHLSMax = 240.0;

int RoundHalfUp(double v) {
  return static_cast<int>(std::floor(v + 0.5));
}

int ClampChannel(double v) {
  return std::clamp(RoundHalfUp(v), 0, 255);
}

double HueToChannel(double m1, double m2, double h) {
  if (h < 0) {
    h += 1.0;
  }
  if (h > 1) {
    h -= 1.0;
  }
  if (h * 6 < 1) {
    return m1 + (m2 - m1) * h * 6;
  }
  if (h * 2 < 1) {
    return m2;
  }
  if (h * 3 < 2) {
    return m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6;
  }
  return m1;
}

bool g_full_color = true;

}  // namespace

THSL ColorToHSL(TColor c) {
  const TColor rgb = ColorToRGB(c);
  const double r = RedOf(rgb) / 255.0;
  const double g = GreenOf(rgb) / 255.0;
  const double b = BlueOf(rgb) / 255.0;
  const double mx = std::max({r, g, b});
  const double mn = std::min({r, g, b});
  const double l = (mx + mn) / 2;
  double h = 0;
  double s = 0;
  if (mx != mn) {
    const double d = mx - mn;
    s = l <= 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
    if (mx == r) {
      h = (g - b) / d;
    } else if (mx == g) {
      h = 2 + (b - r) / d;
    } else {
      h = 4 + (r - g) / d;
    }
    h /= 6;
    if (h < 0) {
      h += 1;
    }
  }
  THSL out;
  out.H = RoundHalfUp(h * kHLSMax) % 240;
  out.S = RoundHalfUp(s * kHLSMax);
  out.L = RoundHalfUp(l * kHLSMax);
  return out;
}

TColor HSLToColor(THSL hsl) {
  const double l = hsl.L / kHLSMax;
  const double s = std::clamp(hsl.S, 0, 240) / kHLSMax;
  const double h = (((hsl.H % 240) + 240) % 240) / kHLSMax;
  if (s == 0) {
    const int v = ClampChannel(l * 255);
    return MakeColor(v, v, v);
  }
  const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
  const double m1 = 2 * l - m2;
  return MakeColor(ClampChannel(HueToChannel(m1, m2, h + 1.0 / 3) * 255),
                   ClampChannel(HueToChannel(m1, m2, h) * 255),
                   ClampChannel(HueToChannel(m1, m2, h - 1.0 / 3) * 255));
}

TColor Darken(TColor c, int n) {
  THSL hsl = ColorToHSL(c);
  hsl.L = std::max(hsl.L - n, 0);
  return HSLToColor(hsl);
}

TColor Lighten(TColor c, int n) {
  THSL hsl = ColorToHSL(c);
  hsl.L = std::min(hsl.L + n, 255);
  return HSLToColor(hsl);
}

TColor Adjust(TColor c, int n) {
  if (n < 0) {
    return Darken(c, -n);
  }
  if (n > 0) {
    return Lighten(c, n);
  }
  return ColorToRGB(c);
}

TColor Blend(TColor a, TColor b, int weight) {
  const int w = std::clamp(weight, 0, 255);
  const TColor ca = ColorToRGB(a);
  const TColor cb = ColorToRGB(b);
  auto mix = [w](int x, int y) {
    // round(x*w/255 + y*(255-w)/255) in integers: halves round up.
    return (2 * (x * w + y * (255 - w)) + 255) / 510;
  };
  return MakeColor(mix(RedOf(ca), RedOf(cb)), mix(GreenOf(ca), GreenOf(cb)),
                   mix(BlueOf(ca), BlueOf(cb)));
}

bool TooClose(TColor a, TColor b) {
  const THSL ha = ColorToHSL(a);
  const THSL hb = ColorToHSL(b);
  return std::abs(ha.H - hb.H) < 20 && std::abs(ha.L - hb.L) < 60;
}

TColor GradientColor(TColor top, TColor bottom, int row, int rows) {
  const TColor a = ColorToRGB(top);
  const TColor b = ColorToRGB(bottom);
  if (rows <= 1) {
    return a;
  }
  row = std::clamp(row, 0, rows - 1);
  const int span = rows - 1;
  auto lerp = [&](int x, int y) {
    // (x * (span - row) + y * row) / span, halves rounded up.
    return (2 * (x * (span - row) + y * row) + span) / (2 * span);
  };
  return MakeColor(lerp(RedOf(a), RedOf(b)), lerp(GreenOf(a), GreenOf(b)),
                   lerp(BlueOf(a), BlueOf(b)));
}

bool IsFullColor() {
  return g_full_color;
}
void SetFullColor(bool full) {
  g_full_color = full;
}

}  // namespace gfx
