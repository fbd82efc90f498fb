// Windows icon files (.ico) from the program's own pictures, so that the
// executable's icon resource is drawn by the same code as the window icon.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/bitmap.h"

namespace platform_win32 {

// The sixteen colours of the standard Windows palette, as TColor values.
const std::vector<gfx::TColor>& SixteenColorPalette();

struct TIconImage {
  gfx::TBitmap Picture;   // pixels with alpha; alpha below 128 is transparent
  int BitsPerPixel = 32;  // 32 (with alpha) or 4 (the sixteen colours, nearest match)
};

// The bytes of an .ico file holding every image, in order. Each entry is a
// bitmap (BITMAPINFOHEADER of double height, the colour rows bottom-up, then
// the 1-bit AND mask with rows padded to 32 bits).
std::vector<std::uint8_t> BuildIconFile(const std::vector<TIconImage>& images);

// Index of the palette colour nearest to `c` (squared distance of the channels).
int NearestPaletteIndex(gfx::TColor c, const std::vector<gfx::TColor>& palette);

}  // namespace platform_win32
