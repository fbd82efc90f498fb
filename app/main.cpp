// Dorvex: when this computer was switched on and off, for how long, and by whom.
#include <cstdio>
#include <memory>

#include "app/command_line.h"
#include "app/form_dorvex.h"
#include "app/log_source_option.h"
#include "bootlog/system_log.h"
#include "ui/application.h"
#ifdef _WIN32
#include "platform/win32/parent_console.h"
#include "platform/win32/utf8_arguments.h"
#include "platform/win32/win32_platform.h"
#else
#include "linux_gfx.h"
#include "platform/x11/x11_platform.h"
#endif

namespace {

#ifdef _WIN32
constexpr const char* kName = "Dorvex";
constexpr const char* kUptimeCaption = " Windows已运行时间:";
#else
constexpr const char* kName = "dorvex";
constexpr const char* kUptimeCaption = " 系统已运行时间:";
#endif

const TProgramUsage kProgram{
    kName,
    "Shows when this computer was switched on and off, how long it ran each time and who was "
    "logged on; or the same of a log saved on another computer, whose kind is found from what "
    "the FILE holds (the options name it instead).",
    std::string("usage: ") + kName + " [FILE]\n       " + kName + " " + TLogSourceOption::kUsage +
        "\n"};

std::unique_ptr<TPlatform> OpenPlatform() {
#ifdef _WIN32
  return CreateWin32Platform();
#else
  platform_linux::InstallLinuxGfx();
  return x11::TX11Platform::Open();
#endif
}

// The log the command line names; false, with the exit status, when the
// program is not to run.
bool ParseCommandLine(int argc, char** argv, TLogSourceOption& log, int& status) {
  bool options = true;
  std::string problem;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (options && AnswersStandardOption(kProgram, arg, status)) {
      return false;
    }
    if (options && arg == "--") {
      options = false;
      continue;
    }
    bool taken = false;
    if (options && TLogSourceOption::Names(arg)) {
      if (i + 1 >= argc) {
        status = UsageError(kProgram, "option '" + arg + "' needs a value");
        return false;
      }
      taken = log.Take(arg, argv[++i], problem);
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      problem = "unknown option '" + arg + "'";
    } else {
      taken = log.TakeFile(arg, problem);
    }
    if (!taken) {
      status = UsageError(kProgram, problem);
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  platform_win32::TUtf8Arguments utf8;
  argc = utf8.Count();
  argv = utf8.Values();
  if (argc > 1) {
    platform_win32::UseParentConsole();
  }
#endif
  TLogSourceOption log;
  if (int status = 0; !ParseCommandLine(argc, argv, log, status)) {
    return status;
  }
  std::unique_ptr<TPlatform> platform = OpenPlatform();
  if (!platform) {
    std::fprintf(stderr, "%s: cannot open the display\n", kName);
    return 1;
  }
  TApplication app(*platform);
  TFormDorvex::TSources sources{CreateSystemEventSource, SystemRegionalFormats(), kUptimeCaption,
                                AbsentSystemLogPlaces, log.Files()};
  TFormDorvex form(app.ScreenDpi(), std::move(sources));
  app.MainForm = &form;
  form.DoCreate();  // the first refresh, before the window is first shown
  form.ShowWindow();
  return app.Run();
}
