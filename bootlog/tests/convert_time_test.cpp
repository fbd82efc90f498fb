#include <gtest/gtest.h>

#include "bootlog/convert_time.h"
#include "bootlog/date_format.h"

namespace {

const RegionalFormats kChinese;

TEST(ConvertEventTime, AddsEightHoursToUtc) {
  EXPECT_DOUBLE_EQ(ConvertEventTime(0, kChinese), EncodeDateTime(1970, 1, 1, 8, 0, 0));
  EXPECT_EQ(DateTimeText(ConvertEventTime(0, kChinese), kChinese), "1970/1/1 8:00:00");
}

TEST(ConvertEventTime, MidnightGivesTheDateAlone) {
  const TDateTime t = ConvertEventTime(57600, kChinese);
  EXPECT_DOUBLE_EQ(t, EncodeDate(1970, 1, 2));
  EXPECT_EQ(DateTimeText(t, kChinese), "1970/1/2");
}

TEST(ConvertEventTime, WholeSecondsOverTheWholeRange) {
  for (uint32_t t : {1u, 59u, 1236643200u, 1700000000u, 4294967295u}) {
    const TDateTime v = ConvertEventTime(t, kChinese);
    const TDateTimeParts p = DecodeDateTime(v);
    EXPECT_EQ(p.MilliSecond, 0) << t;
    const int64_t seconds = (EncodeDate(p.Year, p.Month, p.Day) - 25569) * 86400 + p.Hour * 3600 +
                            p.Minute * 60 + p.Second;
    EXPECT_EQ(seconds, int64_t(t) + 8 * 3600) << t;
  }
}

TEST(ConvertEventTime, CutsToThePrecisionOfTheFormats) {
  RegionalFormats minutes;
  minutes.LongTime = "H:mm";
  EXPECT_DOUBLE_EQ(ConvertEventTime(59, minutes), EncodeDateTime(1970, 1, 1, 8, 0, 0));
}

TEST(ConvertEventTime, TextThatDoesNotParseBackIsAnError) {
  // Digits run together: the reader takes "11" as the month and finds no day.
  RegionalFormats broken;
  broken.ShortDate = "yyyyMd";
  try {
    ConvertEventTime(0, broken);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'197011 8:00:00' is not a valid date and time");
  }
}

}  // namespace
