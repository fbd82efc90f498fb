#include "resources/artwork.h"

#include "gfx/shading.h"
#include "resources/painter.h"

namespace artwork {

namespace {

using gfx::MakeColor;
using gfx::TBitmap;
using gfx::TColor;

constexpr TColor kWhite = MakeColor(255, 255, 255);

TBitmap Blank(int size) {
  TBitmap b(size, size, 0);
  b.SetHasAlpha(true);
  return b;
}

// A glossy round button: darker rim, lighter upper left.
void Button(TBitmap& b, TColor light, TColor dark, double s) {
  FillShape(b, Circle(16 * s, 16 * s, 15 * s), dark);
  FillShape(b, Circle(16 * s, 16 * s, 13.5 * s), Radial(light, dark, 12 * s, 10 * s, 16 * s));
  FillShape(b, Circle(13 * s, 9 * s, 6 * s), kWhite, 60);
}

void Globe(TBitmap& b, double s) {
  TColor sea = MakeColor(30, 110, 210), deep = MakeColor(10, 50, 140);
  FillShape(b, Circle(14 * s, 14 * s, 13 * s),
            Radial(MakeColor(120, 190, 255), deep, 10 * s, 9 * s, 18 * s));
  // Meridians and parallels.
  FillShape(b, Ring(14 * s, 14 * s, 12.2 * s, 13 * s), deep);
  FillShape(b, Box(13.5 * s, 1 * s, 14.5 * s, 27 * s), sea, 150);
  FillShape(b, Box(1 * s, 13.5 * s, 27 * s, 14.5 * s), sea, 150);
  FillShape(b, Ring(14 * s, 14 * s, 6 * s, 7 * s), kWhite, 0);
  auto meridian = [=](double x, double y) {
    double dx = (x - 14 * s) / (6.5 * s), dy = (y - 14 * s) / (13 * s);
    double d = dx * dx + dy * dy;
    return d >= 0.82 && d <= 1.0;
  };
  FillShape(b, meridian, MakeColor(200, 230, 255), 170);
  // Land masses in green.
  FillShape(b, Union(Circle(9 * s, 10 * s, 4 * s), Circle(18 * s, 19 * s, 4.5 * s)),
            MakeColor(60, 170, 70), 200);
}

// Green round badge with a white arrow pointing down (dir 0) or right (dir 1).
void Badge(TBitmap& b, int dir, double s) {
  double cx = 23 * s, cy = 23 * s;
  FillShape(b, Circle(cx, cy, 8.5 * s), MakeColor(20, 110, 30));
  FillShape(
      b, Circle(cx, cy, 7.5 * s),
      Radial(MakeColor(140, 230, 120), MakeColor(30, 150, 40), cx - 2 * s, cy - 3 * s, 9 * s));
  if (dir == 0) {
    FillShape(b, Box(cx - 1.6 * s, cy - 5 * s, cx + 1.6 * s, cy + 0.5 * s), kWhite);
    FillShape(b, Triangle(cx - 4.5 * s, cy, cx + 4.5 * s, cy, cx, cy + 5 * s), kWhite);
  } else {
    FillShape(b, Box(cx - 5 * s, cy - 1.6 * s, cx + 0.5 * s, cy + 1.6 * s), kWhite);
    FillShape(b, Triangle(cx, cy - 4.5 * s, cx, cy + 4.5 * s, cx + 5 * s, cy), kWhite);
  }
}

TBitmap Refresh(int size) {
  double s = size / 32.0;
  TBitmap b = Blank(size);
  Button(b, MakeColor(120, 220, 100), MakeColor(20, 120, 30), s);
  double c = 16 * s;
  FillShape(b, Arc(c, c, 6 * s, 9 * s, 20, 160), kWhite);
  FillShape(b, Arc(c, c, 6 * s, 9 * s, 200, 340), kWhite);
  // Arrow heads at the clockwise ends of both arcs.
  FillShape(b, Triangle(c + 4 * s, c - 3 * s, c + 11.5 * s, c - 3 * s, c + 7.5 * s, c + 2 * s),
            kWhite);
  FillShape(b, Triangle(c - 4 * s, c + 3 * s, c - 11.5 * s, c + 3 * s, c - 7.5 * s, c - 2 * s),
            kWhite);
  return b;
}

TBitmap Help(int size) {
  double s = size / 32.0;
  TBitmap b = Blank(size);
  Button(b, MakeColor(110, 170, 255), MakeColor(20, 60, 170), s);
  FillShape(b, Arc(16 * s, 12.5 * s, 3 * s, 6 * s, 330, 190), kWhite);
  FillShape(b, Box(14.5 * s, 15 * s, 17.5 * s, 20 * s), kWhite);
  FillShape(b, Triangle(16 * s, 14 * s, 21.5 * s, 14 * s, 17.5 * s, 17 * s), kWhite);
  FillShape(b, Circle(16 * s, 24 * s, 2 * s), kWhite);
  return b;
}

TBitmap About(int size) {
  double s = size / 32.0;
  TBitmap b = Blank(size);
  Button(b, MakeColor(110, 170, 255), MakeColor(20, 60, 170), s);
  FillShape(b, Circle(16 * s, 9.5 * s, 2.3 * s), kWhite);
  FillShape(b, RoundBox(14 * s, 13.5 * s, 18 * s, 25 * s, 1 * s), kWhite);
  FillShape(b, Box(12.5 * s, 13.5 * s, 18 * s, 15 * s), kWhite);
  FillShape(b, Box(12.5 * s, 23.5 * s, 19.5 * s, 25 * s), kWhite);
  return b;
}

TBitmap GlobeWithBadge(int size, int dir) {
  double s = size / 32.0;
  TBitmap b = Blank(size);
  Globe(b, s);
  Badge(b, dir, s);
  return b;
}

// 3 x 5 pixel letters for the exit sign.
void Letter(TBitmap& b, char ch, double x, double y, double px) {
  static const char* E = "111100110100111";
  static const char* X = "101101010101101";
  static const char* I = "111010010010111";
  static const char* T = "111010010010010";
  const char* g = ch == 'E' ? E : ch == 'X' ? X : ch == 'I' ? I : T;
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 3; ++c) {
      if (g[r * 3 + c] == '1') {
        FillShape(b, Box(x + c * px, y + r * px, x + (c + 1) * px, y + (r + 1) * px), kWhite);
      }
    }
  }
}

TBitmap Exit(int size) {
  double s = size / 32.0;
  TBitmap b = Blank(size);
  TColor frame = MakeColor(90, 50, 20);
  // Door frame and leaf with wood grain.
  FillShape(b, Box(6 * s, 9 * s, 26 * s, 31 * s), frame);
  FillShape(b, Box(8 * s, 11 * s, 24 * s, 31 * s),
            VGradient(MakeColor(200, 130, 60), MakeColor(140, 80, 30), 11 * s, 31 * s));
  for (double x : {11.0, 15.0, 19.0}) {
    FillShape(b, Box(x * s, 12 * s, (x + 0.6) * s, 30 * s), MakeColor(120, 70, 25), 120);
  }
  FillShape(b, Box(10 * s, 14 * s, 22 * s, 20 * s), MakeColor(110, 60, 20), 90);
  FillShape(b, Box(10 * s, 23 * s, 22 * s, 29 * s), MakeColor(110, 60, 20), 90);
  FillShape(b, Circle(21 * s, 21.5 * s, 1.3 * s), MakeColor(240, 200, 60));
  // The red sign above it.
  FillShape(b, RoundBox(1 * s, 1 * s, 31 * s, 9.5 * s, 1.5 * s), MakeColor(150, 0, 0));
  FillShape(b, RoundBox(1.8 * s, 1.8 * s, 30.2 * s, 8.7 * s, 1 * s),
            VGradient(MakeColor(255, 60, 50), MakeColor(200, 0, 0), 2 * s, 9 * s));
  double px = 1.25 * s;
  const char* word = "EXIT";
  for (int i = 0; i < 4; ++i) {
    Letter(b, word[i], (4.5 + i * 6) * s, 2.2 * s, px);
  }
  return b;
}

// Marker: a bar with softened corners, in the middle of a white 16 x 16 cell.
void Marker(TBitmap& image, TBitmap& mask, TColor light, TColor dark, TColor rim) {
  image.SetSize(16, 16, gfx::PixelOf(kWhite));
  TBitmap cover(16, 16, 0);
  cover.SetHasAlpha(true);
  FillShape(cover, RoundBox(2, 3.5, 14, 12.5, 2), rim);
  FillShape(cover, RoundBox(3, 4.5, 13, 11.5, 1.5), VGradient(light, dark, 4.5, 11.5));
  FillShape(cover, Box(4, 5, 12, 6.5), kWhite, 90);
  mask.SetSize(16, 16, gfx::PixelOf(kWhite));
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      uint32_t px = cover.At(x, y);
      if (gfx::AlphaOf(px) < 96) {
        continue;
      }
      image.Set(x, y, gfx::PixelOf(gfx::ColorOfPixel(px)));
      mask.Set(x, y, gfx::PixelOf(0));
    }
  }
}

}  // namespace

gfx::TImageList ToolbarImages() {
  gfx::TImageList list(32, 32);
  list.Add(Refresh(32));
  list.Add(Help(32));
  list.Add(About(32));
  list.Add(GlobeWithBadge(32, 0));
  list.Add(GlobeWithBadge(32, 1));
  list.Add(Exit(32));
  return list;
}

gfx::TImageList StateMarkers() {
  gfx::TImageList list(16, 16);
  TBitmap image, mask;
  Marker(image, mask, MakeColor(140, 230, 120), MakeColor(30, 150, 40), MakeColor(20, 100, 30));
  list.Add(image, mask);
  Marker(image, mask, MakeColor(255, 200, 110), MakeColor(230, 120, 10), MakeColor(170, 80, 0));
  list.Add(image, mask);
  return list;
}

gfx::TBitmap TableWindowIcon(int size) {
  double s = size / 32.0;
  TBitmap b = Blank(size);
  TColor blue = MakeColor(30, 90, 200);
  FillShape(b, RoundBox(1 * s, 3 * s, 31 * s, 29 * s, 1.5 * s),
            VGradient(MakeColor(90, 150, 240), blue, 3 * s, 29 * s));
  FillShape(b, Box(3 * s, 8 * s, 29 * s, 27 * s), kWhite);
  FillShape(b, Box(3 * s, 8 * s, 29 * s, 12 * s), MakeColor(250, 150, 40));
  TColor grid = MakeColor(150, 170, 200);
  for (double y : {16.0, 20.0, 24.0}) {
    FillShape(b, Box(3 * s, y * s, 29 * s, (y + 0.7) * s), grid);
  }
  for (double x : {11.0, 20.0}) {
    FillShape(b, Box(x * s, 8 * s, (x + 0.7) * s, 27 * s), grid);
  }
  FillShape(b, Circle(27 * s, 5.5 * s, 1.2 * s), kWhite);
  return b;
}

gfx::TBitmap BarChartIcon(int size) {
  double s = size / 32.0;
  TBitmap b = Blank(size);
  // Base plate in perspective.
  auto plate = [=](double x, double y) {
    return y >= 24 * s && y <= 30 * s && x >= 1 * s + (30 * s - y) && x <= 31 * s - (y - 24 * s);
  };
  FillShape(b, plate, MakeColor(160, 160, 165));
  FillShape(b, Box(1 * s, 29 * s, 25 * s, 31 * s), MakeColor(110, 110, 115));
  struct Bar {
    double x, top;
    TColor light, dark;
  };
  const Bar bars[] = {{5, 12, MakeColor(150, 170, 200), MakeColor(90, 110, 150)},
                      {13, 5, MakeColor(240, 80, 70), MakeColor(170, 30, 30)},
                      {21, 15, MakeColor(255, 180, 60), MakeColor(210, 120, 20)}};
  for (const Bar& bar : bars) {
    double x0 = bar.x * s, x1 = (bar.x + 5) * s, d = 2.5 * s;
    FillShape(b, Box(x0, bar.top * s, x1, 27 * s), bar.light);
    FillShape(b, Box(x1, bar.top * s - d, x1 + d, 27 * s - d), bar.dark);
    FillShape(b, Triangle(x1, bar.top * s, x1 + d, bar.top * s - d, x1, bar.top * s - d), bar.dark);
    FillShape(b, Triangle(x1, 27 * s, x1 + d, 27 * s - d, x1 + d, 27 * s), bar.dark);
    FillShape(
        b,
        [=](double x, double y) {
          return y >= bar.top * s - d && y <= bar.top * s && x >= x0 + (bar.top * s - y) &&
                 x <= x1 + (bar.top * s - y);
        },
        gfx::Blend(bar.light, kWhite, 160));
  }
  return b;
}

gfx::TBitmap ProgramIcon(int size) {
  double s = size / 32.0;
  TBitmap b = Blank(size);
  // Drive box.
  FillShape(b, RoundBox(2 * s, 19 * s, 30 * s, 30 * s, 1.5 * s),
            VGradient(MakeColor(200, 200, 200), MakeColor(120, 120, 120), 19 * s, 30 * s));
  FillShape(b, Box(6 * s, 24 * s, 22 * s, 26 * s), MakeColor(128, 0, 0));
  FillShape(b, Circle(26 * s, 25 * s, 1.3 * s), MakeColor(0, 200, 0));
  // The disc in four colours, with a hole.
  double cx = 16 * s, cy = 10 * s, r = 9 * s;
  const TColor quarters[] = {MakeColor(255, 0, 0), MakeColor(0, 160, 0), MakeColor(0, 0, 255),
                             MakeColor(255, 200, 0)};
  for (int q = 0; q < 4; ++q) {
    FillShape(b, Arc(cx, cy, 2 * s, r, q * 90.0, q * 90.0 + 90.0), quarters[q]);
  }
  FillShape(b, Ring(cx, cy, r - 0.7 * s, r), MakeColor(60, 60, 60));
  return b;
}

}  // namespace artwork
