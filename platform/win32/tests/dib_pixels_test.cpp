#include "platform/win32/dib_pixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform_win32 {
namespace {

TEST(DibPixels, SwapsRedAndBlueAndKeepsGreenAndAlpha) {
  EXPECT_EQ(DibPixel(0x80112233u), 0x80332211u);
  EXPECT_EQ(DibPixel(gfx::PixelOf(gfx::clRed)), 0xFFFF0000u);
  EXPECT_EQ(DibPixel(gfx::PixelOf(gfx::clBlue)), 0xFF0000FFu);
}

TEST(DibPixels, CopiesOnlyTheRectangleClippedToTheImage) {
  gfx::TBitmap image(4, 3, gfx::PixelOf(gfx::clBlue));
  std::vector<std::uint32_t> dib(12, 0);
  CopyToDib(image, {2, 1, 10, 10}, dib.data());
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      const bool inside = x >= 2 && y >= 1;
      EXPECT_EQ(dib[static_cast<std::size_t>(y * 4 + x)], inside ? 0xFF0000FFu : 0u)
          << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace platform_win32
