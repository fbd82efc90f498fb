#include "platform/win32/wide_text.h"

#include <gtest/gtest.h>

namespace platform_win32 {
namespace {

TEST(WideText, ChineseAndAsciiRoundTrip) {
  const std::string text = "记录数:0 (小时/次)";
  const std::u16string wide = Utf16FromUtf8(text);
  EXPECT_EQ(wide, u"记录数:0 (小时/次)");
  EXPECT_EQ(Utf8FromUtf16(wide), text);
}

TEST(WideText, CharactersBeyondTheBasicPlaneUseSurrogatePairs) {
  const std::string text = "a\xF0\x9F\x98\x80z";  // U+1F600 between two letters
  const std::u16string wide = Utf16FromUtf8(text);
  ASSERT_EQ(wide.size(), 4u);
  EXPECT_EQ(wide[1], 0xD83D);
  EXPECT_EQ(wide[2], 0xDE00);
  EXPECT_EQ(Utf8FromUtf16(wide), text);
}

TEST(WideText, MalformedInputBecomesReplacementCharacters) {
  // A lone continuation byte and a truncated three-byte sequence.
  EXPECT_EQ(Utf16FromUtf8("a\x80z"), u"a\uFFFDz");
  EXPECT_EQ(Utf16FromUtf8("\xE8\xAE"), u"\uFFFD\uFFFD");
  // Unpaired surrogates, high at the end and low on its own.
  EXPECT_EQ(Utf8FromUtf16(std::u16string{u'x', char16_t(0xD800)}), "x\xEF\xBF\xBD");
  EXPECT_EQ(Utf8FromUtf16(std::u16string{char16_t(0xDC00), u'y'}), "\xEF\xBF\xBDy");
}

TEST(WideText, EmptyStaysEmpty) {
  EXPECT_TRUE(Utf16FromUtf8("").empty());
  EXPECT_TRUE(Utf8FromUtf16(u"").empty());
}

}  // namespace
}  // namespace platform_win32
