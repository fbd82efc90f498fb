// Font description. A font is a request; the text engine maps it to an
// installed face (on Linux "Arial" becomes Liberation Sans and Chinese
// characters fall back to a CJK face).
#pragma once

#include <string>

#include "gfx/color.h"

namespace gfx {

// Character sets a font may request (the Windows LOGFONT values).
constexpr int kAnsiCharset = 0;
constexpr int kDefaultCharset = 1;
constexpr int kGb2312Charset = 134;

struct TFont {
  std::string Name = "Arial";
  // Character height in pixels (the em size): 11 px is 8 pt at 96 dpi.
  int Height = 11;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  TColor Color = clWindowText;
  int Charset = kAnsiCharset;
  // Escapement in tenths of a degree, counter-clockwise; 0 and 900 are drawn.
  int Orientation = 0;

  friend bool operator==(const TFont&, const TFont&) = default;
};

// Font height in pixels for a size in points: round(points * dpi / 72).
int PointsToPixels(int points, int dpi = 96);

}  // namespace gfx
