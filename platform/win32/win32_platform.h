// The Win32 platform: windows, the message loop, clock, screen, clipboard,
// shell and message boxes for the toolkit.
#pragma once

#include <memory>

#include "ui/platform.h"

// Also fills the drawing layer's system colours from GetSysColor.
std::unique_ptr<TPlatform> CreateWin32Platform();
