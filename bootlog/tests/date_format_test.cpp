#include <gtest/gtest.h>

#include <chrono>

#include "bootlog/date_format.h"

namespace {

const RegionalFormats kChinese;  // yyyy/M/d H:mm:ss

TEST(DateTime, EncodeAndDecodeKnownDays) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1970, 1, 1), 25569);
  EXPECT_EQ(EncodeDate(2000, 3, 1), 36586);
  const TDateTimeParts p = DecodeDateTime(EncodeDateTime(2024, 2, 29, 23, 59, 58));
  EXPECT_EQ(p.Year, 2024);
  EXPECT_EQ(p.Month, 2);
  EXPECT_EQ(p.Day, 29);
  EXPECT_EQ(p.Hour, 23);
  EXPECT_EQ(p.Minute, 59);
  EXPECT_EQ(p.Second, 58);
  EXPECT_EQ(DecodeDateTime(25569.0).DayOfWeek, 5);  // 1970-01-01 was a Thursday
}

TEST(DateTime, RoundingToMillisecondsCarriesIntoTheNextDay) {
  const TDateTimeParts p = DecodeDateTime(EncodeDate(2009, 3, 10) + 1.0 - 1e-10);
  EXPECT_EQ(p.Day, 11);
  EXPECT_EQ(p.Hour, 0);
  EXPECT_EQ(p.MilliSecond, 0);
}

TEST(DateTime, CivilDatesAreTheOnesTheStandardLibraryGives) {
  using namespace std::chrono;
  const int64_t unixDay = EncodeDate(1970, 1, 1);
  for (int64_t day = -800000; day < 3000000; day += 997) {
    const year_month_day ymd{sys_days{days{day}}};
    const TCivilDate date = CivilDate(day + unixDay);
    ASSERT_EQ(date.Year, int(ymd.year())) << day;
    ASSERT_EQ(date.Month, int(unsigned(ymd.month()))) << day;
    ASSERT_EQ(date.Day, int(unsigned(ymd.day()))) << day;
  }
}

TEST(DateTime, ValidDates) {
  EXPECT_TRUE(IsValidDate(2000, 2, 29));
  EXPECT_FALSE(IsValidDate(1900, 2, 29));
  EXPECT_FALSE(IsValidDate(2023, 4, 31));
  EXPECT_FALSE(IsValidDate(2023, 13, 1));
}

TEST(DateTimeText, DateAloneAtMidnight) {
  EXPECT_EQ(DateTimeText(EncodeDateTime(2009, 3, 10, 0, 0, 0), kChinese), "2009/3/10");
  EXPECT_EQ(DateTimeText(EncodeDateTime(2009, 3, 10, 8, 5, 7), kChinese), "2009/3/10 8:05:07");
}

TEST(DateTimeText, PictureElements) {
  RegionalFormats f;
  f.ShortDate = "dd.MM.yy 'day' ddd MMM";
  f.LongTime = "hh:m:s tt";
  f.AmDesignator = "AM";
  f.PmDesignator = "PM";
  EXPECT_EQ(DateTimeText(EncodeDateTime(2009, 3, 1, 13, 4, 5), f),
            "01.03.09 day Sun Mar 01:4:5 PM");
  EXPECT_EQ(FormatDateTime("h t", EncodeDateTime(2009, 3, 1, 0, 30, 0), f), "12 A");
  EXPECT_EQ(FormatDateTime("'it''s' yyyy", EncodeDateTime(2009, 3, 1, 0, 0, 0), f), "it's 2009");
}

TEST(ParseDateTimeText, ReadsWhatWasWritten) {
  for (const char* date : {"yyyy/M/d", "yyyy-MM-dd", "d.M.yyyy", "M/d/yy", "dd MMMM yyyy"}) {
    for (const char* time : {"H:mm:ss", "HH:mm:ss", "h:mm:ss tt", "tt h:mm:ss"}) {
      RegionalFormats f;
      f.ShortDate = date;
      f.LongTime = time;
      for (TDateTime v :
           {EncodeDateTime(2009, 3, 10, 0, 0, 0), EncodeDateTime(2009, 12, 31, 12, 0, 1),
            EncodeDateTime(1999, 1, 2, 23, 59, 59), EncodeDateTime(2024, 7, 4, 0, 0, 1)}) {
        const std::string text = DateTimeText(v, f);
        const auto back = ParseDateTimeText(text, f);
        ASSERT_TRUE(back.has_value()) << text << " with " << date << " " << time;
        EXPECT_DOUBLE_EQ(*back, v) << text;
        // The same in one trip, with both pictures at hand while others come and go.
        const TDateTimeRoundTrip trip = RoundTripDateTime(v, f);
        EXPECT_EQ(trip.Text, text);
        EXPECT_EQ(trip.Back, back) << text;
      }
    }
  }
}

TEST(ParseDateTimeText, RejectsTextsThatDoNotMatch) {
  for (const char* text :
       {"", "2009", "2009/3", "2009/2/30", "2009/3/10 25:00:00", "2009/3/10 8:60:00",
        "2009/3/10 8:00", "2009/3/10  8:00:00", "2009/3/10 8:00:00x", "2009-3-10", "abc"}) {
    EXPECT_FALSE(ParseDateTimeText(text, kChinese).has_value()) << text;
  }
}

TEST(ParseDateTimeText, TwelveHourClock) {
  RegionalFormats f;
  f.LongTime = "h:mm:ss tt";
  EXPECT_DOUBLE_EQ(*ParseDateTimeText("2009/3/10 12:00:00 上午", f),
                   EncodeDateTime(2009, 3, 10, 0, 0, 0));
  EXPECT_DOUBLE_EQ(*ParseDateTimeText("2009/3/10 12:30:00 下午", f),
                   EncodeDateTime(2009, 3, 10, 12, 30, 0));
  EXPECT_DOUBLE_EQ(*ParseDateTimeText("2009/3/10 1:00:00 下午", f),
                   EncodeDateTime(2009, 3, 10, 13, 0, 0));
  EXPECT_FALSE(ParseDateTimeText("2009/3/10 13:00:00 下午", f).has_value());
}

}  // namespace
