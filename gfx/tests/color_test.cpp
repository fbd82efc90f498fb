#include "gfx/color.h"

#include <gtest/gtest.h>

namespace gfx {
namespace {

TEST(Color, RedIsTheLowestByte) {
  EXPECT_EQ(MakeColor(0x12, 0x34, 0x56), 0x563412u);
  EXPECT_EQ(RedOf(clRed), 255);
  EXPECT_EQ(BlueOf(clBlue), 255);
  EXPECT_EQ(clMaroon, MakeColor(128, 0, 0));
  EXPECT_EQ(clPurple, MakeColor(128, 0, 128));
  EXPECT_EQ(clSkyBlue, MakeColor(166, 202, 240));
}

TEST(Color, SystemColoursResolveToTheWindows10Defaults) {
  ResetSystemColors();
  EXPECT_EQ(ColorToRGB(clBtnFace), MakeColor(0xF0, 0xF0, 0xF0));
  EXPECT_EQ(ColorToRGB(clBtnShadow), MakeColor(0xA0, 0xA0, 0xA0));
  EXPECT_EQ(ColorToRGB(clBtnHighlight), clWhite);
  EXPECT_EQ(ColorToRGB(cl3DLight), MakeColor(0xE3, 0xE3, 0xE3));
  EXPECT_EQ(ColorToRGB(cl3DDkShadow), MakeColor(0x69, 0x69, 0x69));
  EXPECT_EQ(ColorToRGB(clHighlight), MakeColor(0x00, 0x78, 0xD7));
  EXPECT_EQ(ColorToRGB(clHighlightText), clWhite);
  EXPECT_EQ(ColorToRGB(clWindow), clWhite);
  EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
  EXPECT_EQ(ColorToRGB(clBtnText), clBlack);
  EXPECT_EQ(ColorToRGB(clWindowFrame), MakeColor(0x64, 0x64, 0x64));
}

TEST(Color, ThePlatformCanReplaceTheTable) {
  TSystemColorTable t = DefaultSystemColors();
  t[15] = MakeColor(1, 2, 3);
  SetSystemColors(t);
  EXPECT_EQ(ColorToRGB(clBtnFace), MakeColor(1, 2, 3));
  EXPECT_EQ(ColorToRGB(clBtnShadow), MakeColor(0xA0, 0xA0, 0xA0));
  ResetSystemColors();
  EXPECT_EQ(ColorToRGB(clBtnFace), MakeColor(0xF0, 0xF0, 0xF0));
}

TEST(Color, SpecialValuesPassThroughAndTagsAreCleared) {
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorToRGB(clDefault), clDefault);
  EXPECT_EQ(ColorToRGB(0x02FF0000), clBlue);
  EXPECT_TRUE(IsSystemColor(clBtnFace));
  EXPECT_FALSE(IsSystemColor(clWhite));
  EXPECT_FALSE(IsSystemColor(clNone));
  // An index the table does not have resolves to black, never out of range.
  EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack);
}

}  // namespace
}  // namespace gfx
