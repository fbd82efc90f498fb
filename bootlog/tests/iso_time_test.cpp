#include "bootlog/iso_time.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseIsoUtcSeconds, ReadsWholeSecondsOfUtc) {
  EXPECT_EQ(ParseIsoUtcSeconds("2020-12-06T03:53:19.597986100Z"), 1607226799u);
  EXPECT_EQ(ParseIsoUtcSeconds("1970-01-01T00:00:00Z"), 0u);
  EXPECT_EQ(ParseIsoUtcSeconds("2106-02-07T06:28:15.9Z"), 4294967295u);
  EXPECT_EQ(ParseIsoUtcSeconds("2024-02-29T23:59:59"), 1709251199u);
}

TEST(ParseIsoUtcSeconds, SkipsMarksAndQuestionMarksBetweenTheDigits) {
  EXPECT_EQ(ParseIsoUtcSeconds("\xE2\x80\x8E"
                               "2020-12-06T03:53:19.5Z"),
            1607226799u);
  EXPECT_EQ(ParseIsoUtcSeconds("?2020?-?12?-?06?T?03?:?53?:?19?.5?Z"), 1607226799u);
  EXPECT_EQ(ParseIsoUtcSeconds("20201206035319"), 1607226799u);
}

TEST(ParseIsoUtcSeconds, RefusesMissingOrImpossibleTimes) {
  EXPECT_EQ(ParseIsoUtcSeconds(""), std::nullopt);
  EXPECT_EQ(ParseIsoUtcSeconds("?"), std::nullopt);
  EXPECT_EQ(ParseIsoUtcSeconds("2020-12-06T03:53"), std::nullopt);
  EXPECT_EQ(ParseIsoUtcSeconds("2020-13-06T03:53:19Z"), std::nullopt);
  EXPECT_EQ(ParseIsoUtcSeconds("2021-02-29T03:53:19Z"), std::nullopt);
  EXPECT_EQ(ParseIsoUtcSeconds("2020-12-06T24:00:00Z"), std::nullopt);
  EXPECT_EQ(ParseIsoUtcSeconds("2020-12-06T23:60:00Z"), std::nullopt);
  EXPECT_EQ(ParseIsoUtcSeconds("2020-12-06T23:59:60Z"), std::nullopt);
  // Outside the 32-bit seconds of the event times.
  EXPECT_EQ(ParseIsoUtcSeconds("1969-12-31T23:59:59Z"), std::nullopt);
  EXPECT_EQ(ParseIsoUtcSeconds("2106-02-07T06:28:16Z"), std::nullopt);
  EXPECT_EQ(ParseIsoUtcSeconds("1601-01-01T00:00:00Z"), std::nullopt);
}

}  // namespace
