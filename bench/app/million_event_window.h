// The program's main window over a generated log, shared by the app benchmarks.
#pragma once

#include <memory>

#include "app/form_dorvex.h"
#include "bench/generated_log.h"
#include "bootlog/windows_sessions.h"
#include "linux_gfx.h"
#include "platform/headless/headless_platform.h"
#include "ui/application.h"

inline TFormDorvex::TSources Sources(int64_t boots, int users) {
  TFormDorvex::TSources sources;
  sources.OpenLog = [boots, users] {
    return std::make_unique<WindowsSessionSource>(std::make_unique<GeneratedLog>(boots, users));
  };
  return sources;
}

// The main window shown over 1,000,000 events (31,250 boots of 32 events).
struct TMillionEventWindow {
  TMillionEventWindow() {
    app.MainForm = &form;
    form.ShowWindow();
  }
  bool installed = (platform_linux::InstallLinuxGfx(), true);
  headless::THeadlessPlatform platform;
  TApplication app{platform};
  TFormDorvex form{96, Sources(31250, 30)};
};
