#include "platform/linux/locale_formats.h"

#include <gtest/gtest.h>

#include "bootlog/date_format.h"

namespace {

TEST(PictureFromStrftime, CommonLocaleFormats) {
  EXPECT_EQ(PictureFromStrftime("%Y年%m月%d日"), "yyyy年MM月dd日");
  EXPECT_EQ(PictureFromStrftime("%H时%M分%S秒"), "HH时mm分ss秒");
  EXPECT_EQ(PictureFromStrftime("%m/%d/%y"), "MM/dd/yy");
  EXPECT_EQ(PictureFromStrftime("%d.%m.%Y"), "dd.MM.yyyy");
  EXPECT_EQ(PictureFromStrftime("%r"), "hh:mm:ss tt");
  EXPECT_EQ(PictureFromStrftime("%T"), "HH:mm:ss");
  EXPECT_EQ(PictureFromStrftime("%-d. %B %Y"), "d. MMMM yyyy");
  EXPECT_EQ(PictureFromStrftime("100%% at %H"), "100% 'at' HH");
}

TEST(PictureFromStrftime, UnsupportedConversions) {
  EXPECT_FALSE(PictureFromStrftime("%j").has_value());
  EXPECT_FALSE(PictureFromStrftime("%Y %").has_value());
}

TEST(PictureFromStrftime, MappedFormatsReadBack) {
  RegionalFormats f;
  f.ShortDate = *PictureFromStrftime("%Y年%m月%d日");
  f.LongTime = *PictureFromStrftime("%H时%M分%S秒");
  const TDateTime v = EncodeDateTime(2009, 3, 10, 8, 5, 7);
  EXPECT_EQ(DateTimeText(v, f), "2009年03月10日 08时05分07秒");
  EXPECT_DOUBLE_EQ(*ParseDateTimeText(DateTimeText(v, f), f), v);
}

}  // namespace
