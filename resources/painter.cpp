#include "resources/painter.h"

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;

int Mix(int a, int b, double t) {
  return static_cast<int>(std::lround(a + (b - a) * t));
}

gfx::TColor MixColor(gfx::TColor a, gfx::TColor b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return gfx::MakeColor(Mix(gfx::RedOf(a), gfx::RedOf(b), t),
                        Mix(gfx::GreenOf(a), gfx::GreenOf(b), t),
                        Mix(gfx::BlueOf(a), gfx::BlueOf(b), t));
}

// Source-over of a straight-alpha colour onto a straight-alpha pixel.
uint32_t Over(uint32_t dst, gfx::TColor color, int alpha) {
  double sa = alpha / 255.0;
  double da = gfx::AlphaOf(dst) / 255.0;
  double oa = sa + da * (1 - sa);
  if (oa <= 0) {
    return 0;
  }
  auto ch = [&](int s, int d) {
    return static_cast<int>(std::lround((s * sa + d * da * (1 - sa)) / oa));
  };
  int r = ch(gfx::RedOf(color), gfx::RedOf(dst));
  int g = ch(gfx::GreenOf(color), gfx::GreenOf(dst));
  int b = ch(gfx::BlueOf(color), gfx::BlueOf(dst));
  int a = static_cast<int>(std::lround(oa * 255));
  return static_cast<uint32_t>(gfx::MakeColor(r, g, b)) | (static_cast<uint32_t>(a) << 24);
}

}  // namespace

void FillShape(gfx::TBitmap& image, const TShape& shape, const TPaint& paint, int opacity) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
          if (shape(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4)) {
            ++hits;
          }
        }
      }
      if (hits == 0) {
        continue;
      }
      int alpha = hits * opacity / 16;
      image.Set(x, y, Over(image.At(x, y), paint(x + 0.5, y + 0.5), alpha));
    }
  }
}

void FillShape(gfx::TBitmap& image, const TShape& shape, gfx::TColor color, int opacity) {
  FillShape(
      image, shape, [color](double, double) { return color; }, opacity);
}

TShape Circle(double cx, double cy, double r) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

TShape Ring(double cx, double cy, double r0, double r1) {
  return [=](double x, double y) {
    double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
    return d >= r0 * r0 && d <= r1 * r1;
  };
}

TShape Arc(double cx, double cy, double r0, double r1, double a0, double a1) {
  return [=](double x, double y) {
    double d = std::hypot(x - cx, y - cy);
    if (d < r0 || d > r1) {
      return false;
    }
    double a = std::atan2(cy - y, x - cx) * 180 / kPi;
    if (a < 0) {
      a += 360;
    }
    return a0 <= a1 ? (a >= a0 && a <= a1) : (a >= a0 || a <= a1);
  };
}

TShape Box(double x0, double y0, double x1, double y1) {
  return [=](double x, double y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; };
}

TShape RoundBox(double x0, double y0, double x1, double y1, double radius) {
  return [=](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) {
      return false;
    }
    double cx = std::clamp(x, x0 + radius, x1 - radius);
    double cy = std::clamp(y, y0 + radius, y1 - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

TShape Triangle(double x0, double y0, double x1, double y1, double x2, double y2) {
  return [=](double x, double y) {
    auto side = [](double ax, double ay, double bx, double by, double px, double py) {
      return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    double d0 = side(x0, y0, x1, y1, x, y), d1 = side(x1, y1, x2, y2, x, y),
           d2 = side(x2, y2, x0, y0, x, y);
    bool neg = d0 < 0 || d1 < 0 || d2<0, pos = d0> 0 || d1 > 0 || d2 > 0;
    return !(neg && pos);
  };
}

TShape Union(TShape a, TShape b) {
  return [a, b](double x, double y) { return a(x, y) || b(x, y); };
}

TShape Minus(TShape a, TShape b) {
  return [a, b](double x, double y) { return a(x, y) && !b(x, y); };
}

TPaint VGradient(gfx::TColor top, gfx::TColor bottom, double y0, double y1) {
  return [=](double, double y) { return MixColor(top, bottom, (y - y0) / (y1 - y0)); };
}

TPaint Radial(gfx::TColor centre, gfx::TColor edge, double cx, double cy, double r) {
  return [=](double x, double y) { return MixColor(centre, edge, std::hypot(x - cx, y - cy) / r); };
}

}  // namespace artwork
