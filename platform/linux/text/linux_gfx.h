// Linux services for the drawing layer: the FreeType + fontconfig text
// engine and the libpng codec. Link `platform_linux_text` and call
// InstallLinuxGfx() once at start-up (program, tools and tests alike).
#pragma once

#include "gfx/bitmap.h"
#include "gfx/text.h"

namespace platform_linux {

// Makes LinuxTextEngine() the default text engine and LibpngCodec() the PNG
// codec of the drawing layer.
void InstallLinuxGfx();

// Process-wide FreeType engine: "Arial" and "MS Sans Serif" map to Liberation
// Sans, "Verdana" to DejaVu Sans, other names through fontconfig; characters
// the face lacks (Chinese) come from a fallback face found by fontconfig
// (WenQuanYi Micro Hei when installed). Hinted, greyscale, glyphs cached.
gfx::TTextEngine& LinuxTextEngine();

gfx::TPngCodec& LibpngCodec();

}  // namespace platform_linux
