#include "platform/win32/message_translation.h"

#include <gtest/gtest.h>

#include <string>

namespace platform_win32 {
namespace {

intptr_t LParam(int x, int y) {
  return static_cast<intptr_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) |
                               static_cast<uint32_t>(x & 0xFFFF));
}

TEST(MouseMessages, PointsAreSignedSoAWindowOnTheLeftMonitorGetsNegativeOnes) {
  EXPECT_EQ(PointOfLParam(LParam(10, 20)), (TPoint{10, 20}));
  EXPECT_EQ(PointOfLParam(LParam(-5, -1)), (TPoint{-5, -1}));
  EXPECT_EQ(PointOfLParam(LParam(32767, -32768)), (TPoint{32767, -32768}));
}

TEST(MouseMessages, TheWheelTurnIsTheSignedHighWord) {
  EXPECT_EQ(WheelDeltaOf(uintptr_t{120} << 16), 120);
  EXPECT_EQ(WheelDeltaOf((uintptr_t{0xFF88} << 16) | msg::kMkShift), -120);
  EXPECT_EQ(WheelDeltaOf(msg::kMkControl), 0);
}

TEST(MouseMessages, ButtonsAndModifiersOfTheFlags) {
  EXPECT_EQ(MouseShiftOf(0, false), 0u);
  EXPECT_EQ(MouseShiftOf(msg::kMkLButton | msg::kMkShift, false), ssLeft | ssShift);
  EXPECT_EQ(MouseShiftOf(msg::kMkRButton | msg::kMkControl, true), ssRight | ssCtrl | ssAlt);
  EXPECT_EQ(MouseShiftOf(msg::kMkMButton, false), ssMiddle);
}

TEST(MouseMessages, EachButtonMessageNamesItsButtonAndDirection) {
  struct {
    unsigned message;
    TMouseButton button;
    bool down;
  } cases[] = {{msg::kLButtonDown, mbLeft, true},   {msg::kLButtonUp, mbLeft, false},
               {msg::kRButtonDown, mbRight, true},  {msg::kRButtonUp, mbRight, false},
               {msg::kMButtonDown, mbMiddle, true}, {msg::kMButtonUp, mbMiddle, false}};
  for (const auto& c : cases) {
    const auto b = ButtonMessageOf(c.message);
    ASSERT_TRUE(b.has_value()) << c.message;
    EXPECT_EQ(b->Button, c.button) << c.message;
    EXPECT_EQ(b->Down, c.down) << c.message;
  }
  EXPECT_FALSE(ButtonMessageOf(0x0203).has_value());  // a double click is not asked for
  EXPECT_FALSE(ButtonMessageOf(msg::kKeyDown).has_value());
}

TEST(KeyMessages, AltComesFromTheHeldKeyOrTheSystemKeysContextBit) {
  EXPECT_EQ(KeyShiftOf(msg::kKeyDown, 0, true, false, false), ssShift);
  EXPECT_EQ(KeyShiftOf(msg::kKeyDown, msg::kAltContext, false, true, false), ssCtrl);
  EXPECT_EQ(KeyShiftOf(msg::kSysKeyDown, msg::kAltContext, false, false, false), ssAlt);
  EXPECT_EQ(KeyShiftOf(msg::kSysKeyUp, msg::kAltContext, true, false, false), ssShift | ssAlt);
  // F10 comes as a system key without Alt.
  EXPECT_EQ(KeyShiftOf(msg::kSysKeyDown, 0, false, false, false), 0u);
  EXPECT_EQ(KeyShiftOf(msg::kKeyUp, 0, false, false, true), ssAlt);
}

TEST(KeyMessages, OnlyAltSpaceIsLeftToTheSystem) {
  EXPECT_TRUE(LeftToSystem(msg::kSysKeyDown, msg::kVkSpace, msg::kAltContext));
  EXPECT_FALSE(LeftToSystem(msg::kSysKeyDown, 'E', msg::kAltContext));
  EXPECT_FALSE(LeftToSystem(msg::kKeyDown, msg::kVkSpace, 0));
  EXPECT_TRUE(LeftToSystem(msg::kSysChar, ' ', msg::kAltContext));
  EXPECT_FALSE(LeftToSystem(msg::kSysChar, 'e', msg::kAltContext));
  // The menu key command opens the system menu for Alt+Space only; other
  // commands (move, size, close) are the system's.
  EXPECT_TRUE(LeftToSystem(msg::kSysCommand, msg::kScKeyMenu, ' '));
  EXPECT_FALSE(LeftToSystem(msg::kSysCommand, msg::kScKeyMenu, 'e'));
  EXPECT_FALSE(LeftToSystem(msg::kSysCommand, msg::kScKeyMenu | 0x3, 0));
  EXPECT_TRUE(LeftToSystem(msg::kSysCommand, 0xF060, 0));  // SC_CLOSE
}

TEST(CharMessages, SurrogatePairsJoinAndLoneHalvesAreDropped) {
  TCharJoiner j;
  EXPECT_EQ(j.Add(u'A'), U'A');
  EXPECT_EQ(j.Add(u'中'), U'中');
  // U+1F600 as D83D DE00.
  EXPECT_EQ(j.Add(0xD83D), std::nullopt);
  EXPECT_EQ(j.Add(0xDE00), U'\U0001F600');
  // A low half without a high one, and a high one followed by a plain unit.
  EXPECT_EQ(j.Add(0xDE00), std::nullopt);
  EXPECT_EQ(j.Add(0xD83D), std::nullopt);
  EXPECT_EQ(j.Add(u'b'), U'b');
  EXPECT_EQ(j.Add(0xDE00), std::nullopt);
  // A second high half replaces the first.
  EXPECT_EQ(j.Add(0xD800), std::nullopt);
  EXPECT_EQ(j.Add(0xD83D), std::nullopt);
  EXPECT_EQ(j.Add(0xDE01), U'\U0001F601');
}

TEST(Cursors, EachToolkitCursorHasItsSystemCursor) {
  EXPECT_EQ(CursorResourceOf(crDefault), 32512);
  EXPECT_EQ(CursorResourceOf(crArrow), 32512);
  EXPECT_EQ(CursorResourceOf(crHandPoint), 32649);
  EXPECT_EQ(CursorResourceOf(crIBeam), 32513);
  EXPECT_EQ(CursorResourceOf(crHourGlass), 32514);
  EXPECT_EQ(CursorResourceOf(crSizeNWSE), 32642);
  EXPECT_EQ(CursorResourceOf(crSizeWE), 32644);
  EXPECT_EQ(CursorResourceOf(crSizeNS), 32645);
  EXPECT_EQ(CursorResourceOf(crSizeAll), 32646);
  EXPECT_EQ(CursorResourceOf(crCross), 32515);
}

}  // namespace
}  // namespace platform_win32
