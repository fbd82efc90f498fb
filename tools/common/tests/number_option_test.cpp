#include "tools/common/number_option.h"

#include <gtest/gtest.h>

namespace {

// The number read, or the message.
std::string Read(const std::string& value, int64_t min, int64_t max) {
  int64_t out = -12345;
  std::string problem;
  if (!ParseNumberOption("--n", value, min, max, out, problem)) {
    EXPECT_EQ(out, -12345) << "changed on failure";
    return problem;
  }
  return std::to_string(out);
}

TEST(ParseNumberOption, WholeNumbersInRange) {
  EXPECT_EQ(Read("96", 48, 480), "96");
  EXPECT_EQ(Read("48", 48, 480), "48");
  EXPECT_EQ(Read("480", 48, 480), "480");
  EXPECT_EQ(Read("0096", 48, 480), "96");
  EXPECT_EQ(Read("-7", -10, 10), "-7");
  EXPECT_EQ(Read("-0", -10, 10), "0");
  EXPECT_EQ(Read("9223372036854775807", 0, INT64_MAX), "9223372036854775807");
  EXPECT_EQ(Read("-9223372036854775808", INT64_MIN, 0), "-9223372036854775808");
}

TEST(ParseNumberOption, JunkIsRefusedAndNamesTheOption) {
  EXPECT_EQ(Read("96abc", 48, 480), "--n takes a whole number from 48 to 480, not '96abc'");
  for (const char* junk :
       {"", " 96", "96 ", "+96", "9.6", "1e2", "0x60", "- 5", "--5", "abc", "９６", "96\n"}) {
    EXPECT_NE(Read(junk, -480, 480).find("takes a whole number"), std::string::npos) << junk;
  }
}

TEST(ParseNumberOption, OutOfRangeAndOverflowAreRefused) {
  EXPECT_NE(Read("47", 48, 480), "47");
  EXPECT_NE(Read("481", 48, 480), "481");
  EXPECT_NE(Read("-1", 0, 10), "-1");  // no sign where the range has no negatives
  EXPECT_NE(Read("-11", -10, 10), "-11");
  // Would saturate or wrap with strtoll and atoi.
  EXPECT_EQ(Read("99999999999999999999", 0, INT32_MAX),
            "--n takes a whole number from 0 to 2147483647, not '99999999999999999999'");
  EXPECT_NE(Read("9223372036854775808", 0, INT64_MAX), "-9223372036854775808");
  EXPECT_NE(Read("-9223372036854775809", INT64_MIN, 0), "9223372036854775807");
  EXPECT_NE(Read("4294967392", 0, 480), "96");  // 2^32 + 96
}

std::string ReadList(const std::string& value, char separator, size_t count) {
  std::vector<int64_t> out{-1};
  std::string problem;
  if (!ParseNumberListOption("--size", value, separator, count, -100, 16384, "WxH", out, problem)) {
    EXPECT_EQ(out, std::vector<int64_t>{-1}) << "changed on failure";
    return problem;
  }
  std::string text;
  for (int64_t n : out) {
    text += std::to_string(n) + ";";
  }
  return text;
}

TEST(ParseNumberListOption, NumbersBetweenSeparators) {
  EXPECT_EQ(ReadList("669x328", 'x', 2), "669;328;");
  EXPECT_EQ(ReadList("-5,10,0,16384", ',', 4), "-5;10;0;16384;");
  EXPECT_EQ(ReadList("7", ',', 1), "7;");
}

TEST(ParseNumberListOption, WrongCountsEmptyPartsAndJunkAreRefused) {
  EXPECT_EQ(ReadList("669x", 'x', 2),
            "--size takes WxH, whole numbers from -100 to 16384, not '669x'");
  for (const char* bad : {"x328", "669", "669x328x1", "669,328", "669xx328", "669x328 ",
                          "669x16385", "669x-101", "66 9x328", "", "x"}) {
    EXPECT_NE(ReadList(bad, 'x', 2).find("takes WxH"), std::string::npos) << bad;
  }
}

}  // namespace
