#include "bootlog/format_check.h"

#include <gtest/gtest.h>

namespace {

RegionalFormats Formats(const char* date, const char* time, const char* am = "上午",
                        const char* pm = "下午") {
  return {date, time, am, pm};
}

TEST(ReadBackProblem, CommonFormatsReadBack) {
  EXPECT_EQ(ReadBackProblem(RegionalFormats{}), "");
  EXPECT_EQ(ReadBackProblem(Formats("yyyy-MM-dd", "HH:mm:ss")), "");
  EXPECT_EQ(ReadBackProblem(Formats("M/d/yyyy", "h:mm:ss tt", "AM", "PM")), "");
  EXPECT_EQ(ReadBackProblem(Formats("dd.MM.yyyy", "HH:mm:ss")), "");
  EXPECT_EQ(ReadBackProblem(Formats("yyyy'年'M'月'd'日'", "tt h:mm:ss")), "");
  EXPECT_EQ(ReadBackProblem(Formats("dddd, d MMMM yyyy", "H:mm:ss")), "");
}

TEST(ReadBackProblem, AYearAloneTurnsEveryDateIntoTheFirstOfJanuary) {
  EXPECT_EQ(ReadBackProblem(Formats("yyyy", "H:mm:ss")),
            "'2008 1:07:13', written for 2008-01-02 01:07:13, reads back as 2008-01-01 01:07:13");
}

TEST(ReadBackProblem, TwoDigitYearsReadBackOnlyInsideTheirCentury) {
  const RegionalFormats f = Formats("yy/M/d", "H:mm:ss");
  EXPECT_TRUE(ReadsBack(EncodeDateTime(1970, 1, 1, 8, 0, 0), f));
  EXPECT_TRUE(ReadsBack(EncodeDateTime(2000, 2, 29, 12, 0, 0), f));
  EXPECT_TRUE(ReadsBack(EncodeDateTime(2049, 12, 31, 23, 59, 59), f));
  EXPECT_FALSE(ReadsBack(EncodeDateTime(2050, 1, 1, 0, 0, 0), f));
  EXPECT_FALSE(ReadsBack(EncodeDateTime(2106, 2, 7, 14, 28, 15), f));
  // Event times run to 2106, so the format is refused as a whole.
  EXPECT_EQ(ReadBackProblem(f),
            "'50/1/1', written for 2050-01-01 00:00:00, reads back as 1950-01-01 00:00:00");
}

TEST(ReadBackProblem, FieldsLostOrRunTogether) {
  // No year: the current one is taken.
  EXPECT_NE(ReadBackProblem(Formats("M/d", "H:mm:ss")), "");
  // "2008112" is 2008-11-2 to the reader, whatever it was written for.
  EXPECT_NE(ReadBackProblem(Formats("yyyyMd", "H:mm:ss")), "");
  EXPECT_NE(ReadBackProblem(Formats("yyyy/M/d", "Hmmss")), "");
  // No seconds: 13:45:56 comes back as 13:45:00.
  EXPECT_NE(ReadBackProblem(Formats("yyyy/M/d", "H:mm")), "");
}

TEST(ReadBackProblem, TwelveHourClocksNeedTwoDesignators) {
  EXPECT_NE(ReadBackProblem(Formats("yyyy/M/d", "h:mm:ss")), "");
  EXPECT_NE(ReadBackProblem(Formats("yyyy/M/d", "h:mm:ss tt", "", "")), "");
  EXPECT_NE(ReadBackProblem(Formats("yyyy/M/d", "h:mm:ss tt", "AM", "AM")), "");
  EXPECT_EQ(ReadBackProblem(Formats("yyyy/M/d", "h:mm:ss t", "AM", "PM")), "");
  // One letter of "上午" and "下午" tells them apart too.
  EXPECT_EQ(ReadBackProblem(Formats("yyyy/M/d", "t h:mm:ss")), "");
}

TEST(FormatsOrDefaults, KeepsGoodFormatsAndReplacesBadOnes) {
  const RegionalFormats good = Formats("M/d/yyyy", "h:mm:ss tt", "AM", "PM");
  const RegionalFormats kept = FormatsOrDefaults(good);
  EXPECT_EQ(kept.ShortDate, "M/d/yyyy");
  EXPECT_EQ(kept.AmDesignator, "AM");
  const RegionalFormats replaced = FormatsOrDefaults(Formats("yy/M/d", "h:mm:ss tt", "AM", "PM"));
  EXPECT_EQ(replaced.ShortDate, RegionalFormats{}.ShortDate);
  EXPECT_EQ(replaced.LongTime, RegionalFormats{}.LongTime);
  EXPECT_EQ(replaced.AmDesignator, RegionalFormats{}.AmDesignator);
}

}  // namespace
