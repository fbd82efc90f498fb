#include <gtest/gtest.h>

#include <limits>

#include "chart/number_format.h"

TEST(NumberFormat, ThreeDecimalsAtMostWithoutTrailingZeros) {
  EXPECT_EQ(FormatValue(0), "0");
  EXPECT_EQ(FormatValue(2), "2");
  EXPECT_EQ(FormatValue(1.5), "1.5");
  EXPECT_EQ(FormatValue(7.5), "7.5");
  EXPECT_EQ(FormatValue(2.25), "2.25");
  EXPECT_EQ(FormatValue(4000.0 / 3600), "1.111");
  EXPECT_EQ(FormatValue(0.30000000000000004), "0.3");
  EXPECT_EQ(FormatValue(12.0004), "12");
  EXPECT_EQ(FormatValue(0.0006), "0.001");
}

TEST(NumberFormat, GroupsThousands) {
  EXPECT_EQ(FormatValue(1234.5), "1,234.5");
  EXPECT_EQ(FormatValue(999), "999");
  EXPECT_EQ(FormatValue(1000), "1,000");
  EXPECT_EQ(FormatValue(123456), "123,456");
  EXPECT_EQ(FormatValue(12345678.9), "12,345,678.9");
  EXPECT_EQ(FormatValue(1234.5, {" ", ","}), "1 234,5");
}

TEST(NumberFormat, LargestDoubleKeepsAllItsDigits) {
  std::string text = FormatValue(-std::numeric_limits<double>::max());
  // 309 digits in 103 groups of three.
  EXPECT_EQ(text.size(), 1u + 309u + 102u);
  EXPECT_EQ(text.substr(0, 8), "-179,769");
  EXPECT_EQ(text.substr(text.size() - 4), ",368");
}

TEST(NumberFormat, SignsAndNegativeZero) {
  EXPECT_EQ(FormatValue(-1234.5), "-1,234.5");
  EXPECT_EQ(FormatValue(-0.25), "-0.25");
  // Repeated subtraction of 0.1 can leave a tiny negative rest.
  EXPECT_EQ(FormatValue(-2.7755575615628914e-17), "0");
  EXPECT_EQ(FormatValue(-0.0004), "0");
}

TEST(NumberFormat, GeneralTextComparesAtFifteenDigits) {
  EXPECT_EQ(GeneralText15(0.1 + 0.2), GeneralText15(0.3));
  EXPECT_NE(GeneralText15(1.0), GeneralText15(1.0 + 1e-12));
  EXPECT_EQ(GeneralText15(1e16), GeneralText15(1e16 + 2));
}
