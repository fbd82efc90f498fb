#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "gfx/image_list.h"
#include "linux_gfx.h"

namespace {

std::string TempPath(const char* name) {
  return std::string(::testing::TempDir()) + "dorvex_" + std::to_string(::getpid()) + "_" + name;
}

gfx::TBitmap Pattern(int w, int h, bool alpha) {
  gfx::TBitmap bmp(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::uint32_t a = alpha ? static_cast<std::uint32_t>((x * 40 + y * 7) & 0xFF) : 0xFF;
      bmp.Set(x, y, gfx::MakeColor(x * 30, y * 20, (x ^ y) * 9) | (a << 24));
    }
  }
  bmp.SetHasAlpha(alpha);
  return bmp;
}

TEST(LibpngCodec, OpaqueImageRoundTrips) {
  gfx::TPngCodec& codec = platform_linux::LibpngCodec();
  const std::string path = TempPath("rgb.png");
  gfx::TBitmap src = Pattern(7, 5, false);
  src.Set(0, 0, gfx::MakeColor(1, 2, 3));  // no alpha byte: still written opaque
  std::string error;
  ASSERT_TRUE(codec.Save(path, src, &error)) << error;
  gfx::TBitmap back;
  ASSERT_TRUE(codec.Load(path, back, &error)) << error;
  EXPECT_FALSE(back.HasAlpha());
  ASSERT_EQ(back.Width(), 7);
  ASSERT_EQ(back.Height(), 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) {
      EXPECT_EQ(back.At(x, y), src.At(x, y) | gfx::kOpaque);
    }
  }
  std::remove(path.c_str());
}

TEST(LibpngCodec, AlphaRoundTripsAndFeedsAnImageList) {
  gfx::TPngCodec& codec = platform_linux::LibpngCodec();
  const std::string path = TempPath("rgba.png");
  const gfx::TBitmap src = Pattern(32, 16, true);
  ASSERT_TRUE(codec.Save(path, src, nullptr));
  gfx::TBitmap back;
  ASSERT_TRUE(codec.Load(path, back, nullptr));
  EXPECT_TRUE(back.HasAlpha());
  EXPECT_EQ(back, src);

  gfx::SetPngCodec(&codec);
  gfx::TImageList list(16, 16);
  EXPECT_EQ(list.AddPngStrip(path), 2);
  EXPECT_EQ(list.Image(1).At(0, 0), src.At(16, 0));
  gfx::TImageList wrong(32, 32);
  std::string error;
  EXPECT_EQ(wrong.AddPngStrip(path, &error), -1);
  EXPECT_EQ(error, "image strip has the wrong size");
  gfx::SetPngCodec(nullptr);
  std::remove(path.c_str());
}

TEST(LibpngCodec, FailuresAreReported) {
  gfx::TPngCodec& codec = platform_linux::LibpngCodec();
  gfx::TBitmap bmp(3, 3);
  const gfx::TBitmap before = bmp;
  std::string error;
  EXPECT_FALSE(codec.Load("/nonexistent/dir/none.png", bmp, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(bmp, before);

  const std::string notPng = TempPath("not.png");
  FILE* f = std::fopen(notPng.c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fputs("this is not a picture", f);
  std::fclose(f);
  error.clear();
  EXPECT_FALSE(codec.Load(notPng, bmp, &error));
  EXPECT_FALSE(error.empty());
  std::remove(notPng.c_str());

  error.clear();
  EXPECT_FALSE(codec.Save("/nonexistent/dir/out.png", bmp, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(codec.Save(TempPath("empty.png"), gfx::TBitmap(), &error));
  EXPECT_EQ(error, "empty image");
}

}  // namespace
