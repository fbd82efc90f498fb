// The entries of the executable's icon, drawn from the program's artwork.
#pragma once

#include <vector>

#include "platform/win32/icon_file.h"

namespace platform_win32 {

// 16, 24, 32 and 48 pixels with alpha, and the 16-colour 32 by 32 window icon.
std::vector<TIconImage> ProgramIconImages();

}  // namespace platform_win32
