#pragma once

#include <cstdint>
#include <functional>

#include "gfx/bitmap.h"
#include "gfx/color.h"

namespace artwork {

// Shapes are point sets in pixel units over the image (pixel centres at +0.5);
// painting samples each pixel 4 x 4 times and blends the colour by the coverage.
using TShape = std::function<bool(double x, double y)>;
// Colour at a point, for gradients.
using TPaint = std::function<gfx::TColor(double x, double y)>;

void FillShape(gfx::TBitmap& image, const TShape& shape, const TPaint& paint, int opacity = 255);
void FillShape(gfx::TBitmap& image, const TShape& shape, gfx::TColor color, int opacity = 255);

TShape Circle(double cx, double cy, double r);
TShape Ring(double cx, double cy, double r0, double r1);
// Band between two radii limited to angles a0..a1 (degrees, counter-clockwise from +x).
TShape Arc(double cx, double cy, double r0, double r1, double a0, double a1);
TShape Box(double x0, double y0, double x1, double y1);
TShape RoundBox(double x0, double y0, double x1, double y1, double radius);
TShape Triangle(double x0, double y0, double x1, double y1, double x2, double y2);
TShape Union(TShape a, TShape b);
TShape Minus(TShape a, TShape b);

// Vertical gradient between two colours over rows y0..y1.
TPaint VGradient(gfx::TColor top, gfx::TColor bottom, double y0, double y1);
// Radial highlight: `centre` colour near (cx, cy) fading to `edge` at radius r.
TPaint Radial(gfx::TColor centre, gfx::TColor edge, double cx, double cy, double r);

}  // namespace artwork
