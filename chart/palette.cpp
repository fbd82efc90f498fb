#include "chart/palette.h"

#include <cstddef>

using namespace gfx;

const std::array<TColor, kDefaultPaletteSize> DefaultPalette = {
    clRed,  clGreen, clYellow,     clBlue,    clWhite, clGray,   clFuchsia,
    clTeal, clNavy,  clMaroon,     clLime,    clOlive, clPurple, clSilver,
    clAqua, clBlack, clMoneyGreen, clSkyBlue, clCream, clMedGray};

TColor PaletteColor(int index) {
  int i = index % kDefaultPaletteSize;
  if (i < 0) {
    i += kDefaultPaletteSize;
  }
  return DefaultPalette[static_cast<size_t>(i)];
}
