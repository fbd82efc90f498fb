#include "platform/win32/system_colors_win32.h"

#include "gfx/color.h"

#include <windows.h>

namespace platform_win32 {

void LoadSystemColors() {
  // The table is indexed like the COLOR_* constants and holds COLORREFs,
  // which have the drawing layer's byte order.
  gfx::TSystemColorTable table = gfx::DefaultSystemColors();
  for (int i = 0; i < gfx::kSystemColorCount; ++i) {
    // Index 25 has no colour; GetSysColorBrush tells a defined index.
    if (GetSysColorBrush(i) != nullptr) {
      table[static_cast<std::size_t>(i)] = GetSysColor(i) & 0x00FFFFFF;
    }
  }
  gfx::SetSystemColors(table);
}

}  // namespace platform_win32
