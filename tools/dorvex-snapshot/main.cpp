// Renders the main window as it looks after start-up into a PNG, without a screen.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include "app/command_line.h"
#include "app/form_dorvex.h"
#include "app/log_source_option.h"
#include "bootlog/date_format.h"
#include "bootlog/listed_source.h"
#include "gfx/bitmap.h"
#include "linux_gfx.h"
#include "platform/headless/headless_platform.h"
#include "tools/common/format_option.h"
#include "tools/common/image_size.h"
#include "tools/common/number_option.h"
#include "ui/application.h"

namespace {

struct TOptions {
  TLogSourceOption Log;
  std::string File;  // opened as the window opens a saved log
  int Page = 0;
  int Width = TFormDorvexLayout::kClientWidth;
  int Height = TFormDorvexLayout::kClientHeight;
  int64_t Uptime = 0;
  TDateTime Now = EncodeDateTime(2025, 1, 1, 12, 0, 0);
  RegionalFormats Formats;
  int Dpi = 96;
  std::string Out = "dorvex.png";
};

const TProgramUsage kProgram{
    "dorvex-snapshot",
    "Draws the main window as it looks after start-up, without a screen, into a PNG. The window "
    "shows the log the options name, or the FILE as it opens a saved log.",
    std::string("usage: dorvex-snapshot [FILE | ") + TLogSourceOption::kUsage +
        "]\n"
        "       [--page 0|1] [--size WxH] [--uptime SECONDS] [--now \"YYYY-MM-DD HH:MM:SS\"]\n"
        "       [--date-format PIC] [--time-format PIC] [--dpi N] [--out FILE.png]\n"};

[[noreturn]] void Usage(const std::string& why) {
  std::exit(UsageError(kProgram, why));
}

bool ParseNow(const std::string& text, TDateTime& out) {
  const auto now = ParseDateTimeText(text, {"yyyy-MM-dd", "HH:mm:ss"});
  if (now) {
    out = *now;
  }
  return now.has_value();
}

// A number option's value, or the usage message.
int64_t Number(const std::string& option, const std::string& value, int64_t min, int64_t max) {
  int64_t n = 0;
  std::string problem;
  if (!ParseNumberOption(option, value, min, max, n, problem)) {
    Usage(problem);
  }
  return n;
}

TOptions ParseOptions(int argc, char** argv) {
  TOptions o;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (int status = 0; AnswersStandardOption(kProgram, a, status)) {
      std::exit(status);
    }
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        Usage("option '" + a + "' needs a value");
      }
      return argv[++i];
    };
    std::string problem;
    if (TLogSourceOption::Names(a)) {
      if (!o.Log.Take(a, value(), problem)) {
        Usage(problem);
      }
    } else if (a == "--page") {
      std::string v = value();
      if (v != "0" && v != "1") {
        Usage("--page takes 0 or 1");
      }
      o.Page = v[0] - '0';
    } else if (a == "--size") {
      std::vector<int64_t> size;
      std::string problem;
      if (!ParseNumberListOption(a, value(), 'x', 2, 1, 10000, "WxH", size, problem)) {
        Usage(problem);
      }
      o.Width = static_cast<int>(size[0]);
      o.Height = static_cast<int>(size[1]);
    } else if (a == "--uptime") {
      // The uptime label shows at most INT32_MAX seconds.
      o.Uptime = Number(a, value(), 0, INT32_MAX);
    } else if (a == "--now") {
      if (!ParseNow(value(), o.Now)) {
        Usage("--now takes \"YYYY-MM-DD HH:MM:SS\"");
      }
    } else if (a == "--date-format") {
      o.Formats.ShortDate = value();
    } else if (a == "--time-format") {
      o.Formats.LongTime = value();
    } else if (a == "--dpi") {
      o.Dpi = static_cast<int>(Number(a, value(), 48, 480));
    } else if (a == "--out") {
      o.Out = value();
    } else if (!a.starts_with("-") && o.File.empty() && !o.Log.Given()) {
      o.File = a;
    } else {
      Usage("unknown option '" + a + "'");
    }
  }
  if (!o.File.empty() && o.Log.Given()) {
    Usage("a FILE and the log options exclude each other");
  }
  // The window's image: the client size scaled to the dpi.
  if (const std::string problem =
          ImageSizeProblem(gfx::MulDiv(o.Width, o.Dpi, 96), gfx::MulDiv(o.Height, o.Dpi, 96));
      !problem.empty()) {
    Usage(problem);
  }
  if (const std::string problem = FormatOptionsProblem(o.Formats); !problem.empty()) {
    Usage(problem);
  }
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  TOptions opt = ParseOptions(argc, argv);
  platform_linux::InstallLinuxGfx();

  headless::THeadlessPlatform platform;
  platform.Dpi = opt.Dpi;
  platform.Now = opt.Now;
  // The uptime label shows the tick count at the first timer tick, one second on.
  platform.Ticks = opt.Uptime >= 1 ? static_cast<uint64_t>(opt.Uptime) * 1000 - 1000 : 0;
  // The same moment in UTC, as the boot table shows its times in UTC+8: the
  // uptime label counts from a wake by it.
  platform.Utc = std::llround((opt.Now - kUnixEpochDate) * 86400.0) - 8 * 3600;
  platform.Program = argv[0];
  TApplication app(platform);

  // Start-up as the program runs it: creation handler, first refresh, then shown.
  TFormDorvex::TSources sources;
  sources.Formats = opt.Formats;
  sources.OpenLog = [] { return std::make_unique<ListedSessionSource>(); };
  if (opt.Log.Given()) {
    std::string problem;
    sources.OpenLog = opt.Log.Opener(problem);
    if (!sources.OpenLog) {
      std::fprintf(stderr, "dorvex-snapshot: %s\n", problem.c_str());
      return 2;
    }
  }
  if (!opt.File.empty()) {
    sources.StartLog = {TLogKind::Unknown, opt.File, {}};
  }
  TFormDorvex form(opt.Dpi, sources);
  app.MainForm = &form;
  form.DoCreate();

  const int w = gfx::MulDiv(opt.Width, opt.Dpi, 96), h = gfx::MulDiv(opt.Height, opt.Dpi, 96);
  form.SetClientSize(w, h);
  form.RzPageControl1->SetTabIndex(opt.Page);
  form.ShowWindow();
  platform.Advance(app, 1000);

  for (const auto& box : platform.MessageBoxes) {
    std::fprintf(stderr, "message box \"%s\": %s\n", box.Title.c_str(), box.Text.c_str());
  }
  std::string error;
  if (!gfx::SavePng(opt.Out, form.Image(), &error)) {
    std::fprintf(stderr, "dorvex-snapshot: cannot write '%s': %s\n", opt.Out.c_str(),
                 error.c_str());
    return 1;
  }
  return 0;
}
