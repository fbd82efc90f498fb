// A toolkit image as a window icon (32-bit colour with alpha).
#pragma once

#include "gfx/bitmap.h"

namespace platform_win32 {

// An HICON the caller destroys; null for an empty image or when the system
// refuses one.
void* IconFromBitmap(const gfx::TBitmap& image);

}  // namespace platform_win32
