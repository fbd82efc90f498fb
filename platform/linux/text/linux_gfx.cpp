#include "linux_gfx.h"

#include "freetype_engine.h"

namespace platform_linux {

gfx::TTextEngine& LinuxTextEngine() {
  static TFreeTypeEngine engine;
  return engine;
}

void InstallLinuxGfx() {
  gfx::SetDefaultTextEngine(&LinuxTextEngine());
  gfx::SetPngCodec(&LibpngCodec());
}

}  // namespace platform_linux
