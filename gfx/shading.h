// Colour shading: HSL on the 0..240 scale, darken, lighten, blend, "too
// close", vertical gradients and the full-colour display flag.
#pragma once

#include "gfx/color.h"
#include "gfx/geometry.h"

namespace gfx {

class TCanvas;

// Hue 0..239, saturation 0..240, lightness 0..240 (Lighten may carry the
// lightness up to 255 before converting back).
struct THSL {
  int H = 0;
  int S = 0;
  int L = 0;
  friend bool operator==(const THSL&, const THSL&) = default;
};

// System colours are resolved to RGB first.
THSL ColorToHSL(TColor c);
// Channels are rounded and clamped to 0..255.
TColor HSLToColor(THSL hsl);

// Lightness becomes max(L - n, 0).
TColor Darken(TColor c, int n);
// Lightness becomes min(L + n, 255); channels clamp at 255, so large values
// saturate towards white.
TColor Lighten(TColor c, int n);
// Darken by -n for n < 0, lighten by n for n > 0, unchanged (but resolved)
// for n = 0.
TColor Adjust(TColor c, int n);
// Each channel round(a * w / 255 + b * (255 - w) / 255); w is clamped to 0..255.
TColor Blend(TColor a, TColor b, int weight);
// Hues differ by less than 20 and lightnesses by less than 60.
bool TooClose(TColor a, TColor b);

// Colour of row `row` of a vertical gradient of `rows` rows from `top` (row 0)
// to `bottom` (row rows - 1): per-channel linear interpolation, rounded.
TColor GradientColor(TColor top, TColor bottom, int row, int rows);

// Paints every pixel row of `rect` with GradientColor.
void FillGradient(TCanvas& canvas, const TRect& rect, TColor top, TColor bottom);
// As FillGradient on a full-colour display; fills `flat` otherwise.
void FillGradientOrFlat(TCanvas& canvas, const TRect& rect, TColor top, TColor bottom, TColor flat);

// Full-colour display: more than 256 colours. The platform sets it once at
// start-up; it is true until then.
bool IsFullColor();
void SetFullColor(bool full);
// Colour depth in bits per pixel -> whether that counts as full colour.
constexpr bool IsFullColorDepth(int bitsPerPixel) {
  return bitsPerPixel > 8;
}

}  // namespace gfx
