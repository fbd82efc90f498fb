#include "gfx/color.h"

namespace gfx {

namespace {

constexpr TColor Hex(std::uint32_t rrggbb) {
  return MakeColor((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

// Windows 10 defaults, written as #RRGGBB.
constexpr TSystemColorTable kWindows10 = {
    Hex(0xC8C8C8),  // scroll bar
    Hex(0x000000),  // desktop
    Hex(0x99B4D1),  // active caption
    Hex(0xBFCDDB),  // inactive caption
    Hex(0xF0F0F0),  // menu
    Hex(0xFFFFFF),  // window
    Hex(0x646464),  // window frame
    Hex(0x000000),  // menu text
    Hex(0x000000),  // window text
    Hex(0x000000),  // caption text
    Hex(0xB4B4B4),  // active border
    Hex(0xF4F7FC),  // inactive border
    Hex(0xABABAB),  // application workspace
    Hex(0x0078D7),  // highlight
    Hex(0xFFFFFF),  // highlight text
    Hex(0xF0F0F0),  // button face
    Hex(0xA0A0A0),  // button shadow
    Hex(0x6D6D6D),  // grey text
    Hex(0x000000),  // button text
    Hex(0x000000),  // inactive caption text
    Hex(0xFFFFFF),  // button highlight
    Hex(0x696969),  // 3-D dark shadow
    Hex(0xE3E3E3),  // 3-D light
    Hex(0x000000),  // info text
    Hex(0xFFFFE1),  // info background
    Hex(0x000000),  // (unused index 25)
    Hex(0x0066CC),  // hot light
    Hex(0xB9D1EA),  // gradient active caption
    Hex(0xD7E4F2),  // gradient inactive caption
    Hex(0x0078D7),  // menu highlight
    Hex(0xF0F0F0),  // menu bar
};

TSystemColorTable g_table = kWindows10;

}  // namespace

const TSystemColorTable& DefaultSystemColors() {
  return kWindows10;
}

void SetSystemColors(const TSystemColorTable& table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    g_table[i] = table[i] & 0x00FFFFFF;
  }
}

void ResetSystemColors() {
  g_table = kWindows10;
}

const TSystemColorTable& SystemColors() {
  return g_table;
}

TColor ColorToRGB(TColor c) {
  if (c == clNone || c == clDefault) {
    return c;
  }
  if (IsSystemColor(c)) {
    const std::uint32_t index = c & 0xFF;
    // An index beyond the table is no colour the platform knows: black.
    return index < g_table.size() ? g_table[index] : clBlack;
  }
  return c & 0x00FFFFFF;
}

}  // namespace gfx
