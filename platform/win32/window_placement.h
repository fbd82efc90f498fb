// Where a new top-level window goes: centred on an area (the desktop, or the
// owner window for a dialog), pulled back inside the desktop where it would
// stick out, so that its title bar stays reachable.
#pragma once

#include "gfx/geometry.h"

namespace platform_win32 {

gfx::TRect CentredWindowRect(gfx::TSize outer, const gfx::TRect& area, const gfx::TRect& desktop);

}  // namespace platform_win32
