#pragma once

#include <array>

#include "gfx/color.h"

// The 20 colours handed out to points (and series) that ask for clDefault.
constexpr int kDefaultPaletteSize = 20;
extern const std::array<gfx::TColor, kDefaultPaletteSize> DefaultPalette;

gfx::TColor PaletteColor(int index);
