#include "platform/win32/win32_gfx.h"

#include "platform/win32/gdi_text_engine.h"

namespace platform_win32 {

gfx::TTextEngine& Win32TextEngine() {
  static TGdiTextEngine engine;
  return engine;
}

void InstallWin32Gfx() {
  gfx::SetDefaultTextEngine(&Win32TextEngine());
}

}  // namespace platform_win32
