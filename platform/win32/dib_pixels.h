// The drawing layer's pixels (0xAABBGGRR) in the order of a 32-bit Windows
// device-independent bitmap (0xAARRGGBB: blue in the lowest byte).
#pragma once

#include <cstdint>

#include "gfx/bitmap.h"

namespace platform_win32 {

constexpr std::uint32_t DibPixel(std::uint32_t px) {
  return (px & 0xFF00FF00u) | ((px & 0xFFu) << 16) | ((px >> 16) & 0xFFu);
}

// Copies `rect` of `image` (clipped to it) into a top-down DIB of the image's
// width: `dib` holds image.Width() * image.Height() pixels.
void CopyToDib(const gfx::TBitmap& image, const gfx::TRect& rect, std::uint32_t* dib);

}  // namespace platform_win32
