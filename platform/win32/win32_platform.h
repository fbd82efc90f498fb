// The Win32 platform: windows, the message loop, clock, screen, clipboard,
// shell and message boxes for the toolkit.
#pragma once

#include <memory>

#include "ui/platform.h"

// Also fills the drawing layer's system colours from GetSysColor and, unless the
// program installed a text engine of its own, installs the GDI one (win32_gfx.h).
std::unique_ptr<TPlatform> CreateWin32Platform();
