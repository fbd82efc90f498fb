// Dorvex's own main and about windows on the Win32 platform over a fixture
// log, for the screen reader test: under Wine the System log is empty, and a
// reader must also be shown rows. Usage: fixture_log_program FIXTURE
#include <cstdio>
#include <memory>
#include <string>

#include "app/form_dorvex.h"
#include "bootlog/fixture_source.h"
#include "bootlog/system_log.h"
#include "platform/win32/win32_platform.h"
#include "ui/application.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fixture_log_program FIXTURE\n");
    return 2;
  }
  const std::string fixture = argv[1];
  std::unique_ptr<TPlatform> platform = CreateWin32Platform();
  TApplication app(*platform);
  TFormDorvex::TSources sources;
  sources.OpenLog = [fixture] { return OpenFixtureLog(fixture); };
  sources.Formats = SystemRegionalFormats();
  TFormDorvex form(app.ScreenDpi(), std::move(sources));
  app.MainForm = &form;
  form.DoCreate();
  form.ShowWindow();
  app.Run();
  return 0;
}
