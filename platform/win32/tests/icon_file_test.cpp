#include "platform/win32/icon_file.h"

#include <gtest/gtest.h>

namespace platform_win32 {
namespace {

unsigned U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8);
}
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return U16(b, at) | (static_cast<std::uint32_t>(U16(b, at + 2)) << 16);
}

gfx::TBitmap Picture(int size) {
  gfx::TBitmap pic(size, size, gfx::PixelOf(gfx::clRed));
  pic.SetHasAlpha(true);
  pic.Set(0, 0, 0x00000000);  // top-left transparent
  return pic;
}

TEST(IconFile, DirectoryListsEveryEntryWithItsSizeAndPlace) {
  const auto bytes = BuildIconFile({{Picture(16), 32}, {Picture(32), 32}, {Picture(32), 4}});
  EXPECT_EQ(U16(bytes, 0), 0u);
  EXPECT_EQ(U16(bytes, 2), 1u);
  ASSERT_EQ(U16(bytes, 4), 3u);
  // 32-bit 16 x 16: header 40, colour 16*16*4, mask 16 rows of 4 bytes.
  EXPECT_EQ(bytes[6], 16);
  EXPECT_EQ(U16(bytes, 6 + 6), 32u);
  EXPECT_EQ(U32(bytes, 6 + 8), 40u + 16 * 16 * 4 + 16 * 4);
  EXPECT_EQ(U32(bytes, 6 + 12), 6u + 3 * 16);
  // 4-bit 32 x 32: sixteen colours, palette of 16 entries, rows of 16 bytes.
  const std::size_t third = 6 + 2 * 16;
  EXPECT_EQ(bytes[third], 32);
  EXPECT_EQ(bytes[third + 2], 16);
  EXPECT_EQ(U16(bytes, third + 6), 4u);
  EXPECT_EQ(U32(bytes, third + 8), 40u + 16 * 4 + 32 * 16 + 32 * 4);
  // The entries follow one another up to the end of the file.
  std::size_t end = 0;
  for (int i = 0; i < 3; ++i) {
    const std::size_t e = 6 + 16 * static_cast<std::size_t>(i);
    end = std::max<std::size_t>(end, U32(bytes, e + 12) + U32(bytes, e + 8));
  }
  EXPECT_EQ(end, bytes.size());
}

TEST(IconFile, BitmapRowsRunBottomUpWithTheMaskMarkingTransparentPixels) {
  const auto bytes = BuildIconFile({{Picture(16), 32}});
  const std::size_t bmp = U32(bytes, 6 + 12);
  EXPECT_EQ(U32(bytes, bmp + 4), 16u);
  EXPECT_EQ(U32(bytes, bmp + 8), 32u);  // colour and mask together
  const std::size_t colour = bmp + 40;
  // The picture's top row is the last colour row; its first pixel is transparent.
  const std::size_t topRow = colour + 15 * 16 * 4;
  EXPECT_EQ(bytes[topRow + 3], 0);
  // Other pixels: red as B, G, R, A.
  EXPECT_EQ(bytes[colour + 0], 0);
  EXPECT_EQ(bytes[colour + 2], 255);
  EXPECT_EQ(bytes[colour + 3], 255);
  const std::size_t mask = colour + 16 * 16 * 4;
  EXPECT_EQ(bytes[mask + 15 * 4], 0x80);  // top row, first pixel
  EXPECT_EQ(bytes[mask], 0x00);           // bottom row fully opaque
}

TEST(IconFile, SixteenColourEntriesUseTheNearestPaletteColour) {
  const auto& palette = SixteenColorPalette();
  ASSERT_EQ(palette.size(), 16u);
  EXPECT_EQ(
      palette[static_cast<std::size_t>(NearestPaletteIndex(gfx::MakeColor(250, 10, 5), palette))],
      gfx::clRed);
  EXPECT_EQ(palette[static_cast<std::size_t>(
                NearestPaletteIndex(gfx::MakeColor(120, 120, 130), palette))],
            gfx::clGray);
  const auto bytes = BuildIconFile({{Picture(32), 4}});
  const std::size_t bmp = U32(bytes, 6 + 12);
  const std::size_t pixels = bmp + 40 + 16 * 4;
  const int red = NearestPaletteIndex(gfx::clRed, palette);
  // Bottom row, first two pixels: both red, high nibble first.
  EXPECT_EQ(bytes[pixels], (red << 4) | red);
  // Top row, first pixel transparent: index 0 (black) under the mask.
  EXPECT_EQ(bytes[pixels + 31 * 16] >> 4, 0);
}

}  // namespace
}  // namespace platform_win32
