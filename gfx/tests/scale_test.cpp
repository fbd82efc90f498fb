#include "gfx/scale.h"

#include <gtest/gtest.h>

namespace gfx {
namespace {

TEST(Scale, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(8, 96, 72), 11);  // 10.67
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(5, 1, 4), 1);
  EXPECT_EQ(MulDiv(5, -1, 4), -1);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  EXPECT_EQ(MulDiv(2000000000, 2, 4), 1000000000);  // no 32-bit overflow
}

TEST(Scale, PointsToPixels) {
  EXPECT_EQ(PointsToPixels(8), 11);
  EXPECT_EQ(PointsToPixels(10), 13);
  EXPECT_EQ(PointsToPixels(8, 120), 13);
  EXPECT_EQ(PointsToPixels(8, 144), 16);
}

TEST(Scale, ScalesByDpiOver96) {
  const TScaler same(96);
  EXPECT_TRUE(same.IsIdentity());
  EXPECT_EQ(same.Scale(673), 673);
  const TScaler big(144);
  EXPECT_EQ(big.Scale(19), 29);  // 28.5 rounds up
  EXPECT_EQ(big.Scale(TPoint{10, -3}), (TPoint{15, -5}));
  EXPECT_EQ(big.Scale(TRect{1, 2, 11, 22}), (TRect{2, 3, 17, 33}));
  EXPECT_EQ(big.Scale(TSize{80, 60}), (TSize{120, 90}));
  TFont f;
  f.Height = 11;
  EXPECT_EQ(big.Scale(f).Height, 17);
  EXPECT_EQ(big.Scale(f).Name, "Arial");
  const TScaler bad(0);
  EXPECT_EQ(bad.Dpi(), 96);
  EXPECT_EQ(TScaler(120).Scale(100), 125);
}

}  // namespace
}  // namespace gfx
