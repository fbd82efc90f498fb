#include "platform/win32/dib_pixels.h"

namespace platform_win32 {

void CopyToDib(const gfx::TBitmap& image, const gfx::TRect& rect, std::uint32_t* dib) {
  const gfx::TRect r = rect.Intersect(image.BoundsRect());
  for (int y = r.Top; y < r.Bottom; ++y) {
    const std::uint32_t* src = image.Scanline(y);
    std::uint32_t* dst = dib + static_cast<std::size_t>(y) * image.Width();
    for (int x = r.Left; x < r.Right; ++x) {
      dst[x] = DibPixel(src[x]);
    }
  }
}

}  // namespace platform_win32
