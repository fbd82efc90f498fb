#include "bootlog/eventlog/sid_text.h"

#include <gtest/gtest.h>

namespace {

std::string Text(const std::string& sid) {
  return SidText(reinterpret_cast<const uint8_t*>(sid.data()), sid.size());
}

TEST(SidText, ReadsBackWhatItWrites) {
  for (const char* text :
       {"S-1-5-18", "S-1-1-0", "S-1-5-32-544", "S-1-5-21-2595688666-2948619230-3055395256-1000",
        "S-1-5", "S-1-281474976710655-4294967295"}) {
    const std::string sid = SidFromText(text);
    ASSERT_FALSE(sid.empty()) << text;
    EXPECT_EQ(Text(sid), text);
  }
}

TEST(SidText, TheBytesOfAKnownSid) {
  const std::string sid = SidFromText("S-1-5-21-1-2-3-500");
  const std::string expected{1, 5, 0, 0,  0,
                             0, 0, 5, 21, 0,
                             0, 0, 1, 0,  0,
                             0, 2, 0, 0,  0,
                             3, 0, 0, 0,  static_cast<char>(0xF4),
                             1, 0, 0};
  EXPECT_EQ(sid, expected);
}

TEST(SidText, RefusesWhatIsNoSid) {
  for (const char* text : {"", "S-1", "S-1-", "S-2-5-18", "s-1-5-18", "S-1-5-18-", "S-1-5--18",
                           "S-1-5-18 ", "S-1-5-4294967296", "S-1-281474976710656",
                           "S-1-5-1-2-3-4-5-6-7-8-9-10-11-12-13-14-15-16", "N/A"}) {
    EXPECT_EQ(SidFromText(text), "") << text;
  }
  EXPECT_EQ(Text(std::string{1, 2, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0}), "");  // cut short
  EXPECT_EQ(Text(std::string{2, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0}), "");  // revision 2
  EXPECT_EQ(Text(std::string{1, 0, 0, 0}), "");
}

}  // namespace
