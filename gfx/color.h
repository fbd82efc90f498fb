// Colour values: 32 bits, red in the lowest byte, then green, then blue.
// The top byte tags special values: system colours (0x80 plus the index of
// the platform's colour table), clNone and clDefault.
#pragma once

#include <array>
#include <cstdint>

namespace gfx {

using TColor = std::uint32_t;

constexpr TColor MakeColor(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(TColor c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(TColor c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(TColor c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

// Nothing is drawn.
constexpr TColor clNone = 0x1FFFFFFF;
// Automatic colour; whoever paints resolves it (the chart from its palette).
constexpr TColor clDefault = 0x20000000;

// Fixed colours (values are 0x00BBGGRR).
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// System colours: 0x80000000 | index, the index being that of the Windows
// colour table (COLOR_BTNFACE is 15 and so on), so that the Windows platform
// can fill the table straight from GetSysColor.
constexpr TColor kSystemColorFlag = 0x80000000;
constexpr int kSystemColorCount = 31;
constexpr TColor SystemColor(int index) {
  return kSystemColorFlag | static_cast<TColor>(index);
}

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

constexpr bool IsSystemColor(TColor c) {
  return (c & 0xFF000000) == kSystemColorFlag;
}

// RGB value (0x00BBGGRR) of every system colour, indexed like the constants.
using TSystemColorTable = std::array<TColor, kSystemColorCount>;

// The Windows 10 defaults, used on Linux and headless.
const TSystemColorTable& DefaultSystemColors();

// Replaces the table used to resolve system colours (the Windows platform
// fills it from GetSysColor at start-up).
void SetSystemColors(const TSystemColorTable& table);
void ResetSystemColors();
const TSystemColorTable& SystemColors();

// Resolves a system colour through the current table; any other colour has
// its tag byte cleared. clNone and clDefault are returned unchanged, since
// only the caller knows what they stand for.
TColor ColorToRGB(TColor c);

}  // namespace gfx
