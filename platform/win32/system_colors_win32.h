// The drawing layer's system colour table from GetSysColor.
#pragma once

namespace platform_win32 {

void LoadSystemColors();

}  // namespace platform_win32
