// Dorvex's own main and about windows on the X11 platform over a fixture log,
// for the screen reader and desktop tests: the machine's own log may be empty
// or absent, and a reader must be shown rows. A fixture that went bad is an
// error of the refresh, which the error handler's message box shows.
// Usage: fixture_log_program FIXTURE
#include <cstdio>
#include <memory>
#include <string>

#include "app/form_dorvex.h"
#include "bootlog/fixture_source.h"
#include "bootlog/system_log.h"
#include "linux_gfx.h"
#include "platform/x11/x11_platform.h"
#include "ui/application.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fixture_log_program FIXTURE\n");
    return 2;
  }
  const std::string fixture = argv[1];
  platform_linux::InstallLinuxGfx();
  std::unique_ptr<TPlatform> platform = x11::TX11Platform::Open();
  if (!platform) {
    std::fprintf(stderr, "fixture_log_program: cannot open the display\n");
    return 1;
  }
  TApplication app(*platform);
  TFormDorvex::TSources sources;
  sources.OpenLog = [fixture] {
    if (const std::string problem = FixtureEventSource::Problem(fixture); !problem.empty()) {
      throw EFixtureError(problem);
    }
    return OpenFixtureLog(fixture);
  };
  sources.Formats = SystemRegionalFormats();
  TFormDorvex form(app.ScreenDpi(), std::move(sources));
  app.MainForm = &form;
  form.DoCreate();
  form.ShowWindow();
  return app.Run();
}
