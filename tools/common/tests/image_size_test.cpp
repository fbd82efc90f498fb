#include "tools/common/image_size.h"

#include <gtest/gtest.h>

#include "gfx/bitmap.h"

namespace {

TEST(ImageSizeProblem, UpToOneHundredMillionPixels) {
  EXPECT_EQ(ImageSizeProblem(669, 328), "");
  EXPECT_EQ(ImageSizeProblem(10000, 10000), "");
  EXPECT_EQ(ImageSizeProblem(gfx::kMaxImagePixels, 1), "");
  EXPECT_EQ(ImageSizeProblem(1, gfx::kMaxImagePixels), "");
  EXPECT_EQ(ImageSizeProblem(0, 5), "");  // empty sizes are refused elsewhere
}

TEST(ImageSizeProblem, TheProductCountsNotEachSide) {
  EXPECT_EQ(ImageSizeProblem(10001, 10000),
            "the picture would be 10001 x 10000 pixels, over the 100 million a tool makes");
  EXPECT_NE(ImageSizeProblem(16384, 16384), "");
  // The about window at 480 dpi zoomed 16 times.
  EXPECT_NE(ImageSizeProblem(2040 * 16, 1795 * 16), "");
  EXPECT_NE(ImageSizeProblem(gfx::kMaxImagePixels + 1, 1), "");
  // Products that would overflow 64 bits.
  EXPECT_NE(ImageSizeProblem(INT64_MAX, INT64_MAX), "");
  EXPECT_NE(ImageSizeProblem(int64_t{1} << 32, int64_t{1} << 32), "");
}

}  // namespace
