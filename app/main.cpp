// Dorvex: when this computer was switched on and off, for how long, and by whom.
#include <cstdio>
#include <memory>

#include "app/form_dorvex.h"
#include "bootlog/system_log.h"
#include "ui/application.h"
#ifdef _WIN32
#include "platform/win32/win32_platform.h"
#else
#include "linux_gfx.h"
#include "platform/x11/x11_platform.h"
#endif

namespace {

std::unique_ptr<TPlatform> OpenPlatform() {
#ifdef _WIN32
  return CreateWin32Platform();
#else
  platform_linux::InstallLinuxGfx();
  return x11::TX11Platform::Open();
#endif
}

}  // namespace

int main() {
  std::unique_ptr<TPlatform> platform = OpenPlatform();
  if (!platform) {
    std::fprintf(stderr, "dorvex: cannot open the display\n");
    return 1;
  }
  TApplication app(*platform);
  TFormDorvex form(app.ScreenDpi(), {CreateSystemEventSource, SystemRegionalFormats()});
  app.MainForm = &form;
  form.DoCreate();  // the first refresh, before the window is first shown
  form.ShowWindow();
  return app.Run();
}
