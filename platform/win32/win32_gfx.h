// Windows services for the drawing layer. Call InstallWin32Gfx() once at
// start-up (program and tests alike), as InstallLinuxGfx() on Linux.
#pragma once

#include "gfx/text.h"

namespace platform_win32 {

// Makes Win32TextEngine() the default text engine of the drawing layer.
void InstallWin32Gfx();

// Process-wide GDI engine: fonts as requested (ANSI character set), the
// characters a face lacks from the faces Windows links or substitutes.
gfx::TTextEngine& Win32TextEngine();

}  // namespace platform_win32
