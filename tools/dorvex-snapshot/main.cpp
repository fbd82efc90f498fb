// Renders the main window as it looks after start-up into a PNG, without a screen.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include "app/form_dorvex.h"
#include "bootlog/datetime.h"
#include "bootlog/listed_source.h"
#include "gfx/bitmap.h"
#include "linux_gfx.h"
#include "platform/headless/headless_platform.h"
#include "tools/common/log_source_option.h"
#include "ui/application.h"

namespace {

struct TOptions {
  TLogSourceOption Log;
  int Page = 0;
  int Width = TFormDorvexLayout::kClientWidth;
  int Height = TFormDorvexLayout::kClientHeight;
  long long Uptime = 0;
  std::string Now = "2025-01-01 12:00:00";
  RegionalFormats Formats;
  int Dpi = 96;
  std::string Out = "dorvex.png";
};

[[noreturn]] void Usage(const char* why) {
  std::fprintf(
      stderr,
      "dorvex-snapshot: %s\n"
      "usage: dorvex-snapshot %s\n"
      "       [--page 0|1] [--size WxH] [--uptime SECONDS] [--now \"YYYY-MM-DD HH:MM:SS\"]\n"
      "       [--date-format PIC] [--time-format PIC] [--dpi N] [--out FILE.png]\n",
      why, TLogSourceOption::kUsage);
  std::exit(2);
}

bool ParseNow(const std::string& text, TDateTime& out) {
  int y, mo, d, h, mi, s;
  char tail;
  if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d%c", &y, &mo, &d, &h, &mi, &s, &tail) != 6) {
    return false;
  }
  if (!IsValidDate(y, mo, d) || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) {
    return false;
  }
  out = EncodeDateTime(y, mo, d, h, mi, s);
  return true;
}

TOptions ParseOptions(int argc, char** argv) {
  TOptions o;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        Usage(("missing value for " + a).c_str());
      }
      return argv[++i];
    };
    std::string problem;
    if (TLogSourceOption::Names(a)) {
      if (!o.Log.Take(a, value(), problem)) {
        Usage(problem.c_str());
      }
    } else if (a == "--page") {
      std::string v = value();
      if (v != "0" && v != "1") {
        Usage("--page takes 0 or 1");
      }
      o.Page = v[0] - '0';
    } else if (a == "--size") {
      std::string v = value();
      char tail;
      if (std::sscanf(v.c_str(), "%dx%d%c", &o.Width, &o.Height, &tail) != 2 || o.Width <= 0 ||
          o.Height <= 0 || o.Width > 10000 || o.Height > 10000) {
        Usage("--size takes WxH");
      }
    } else if (a == "--uptime") {
      char* end = nullptr;
      std::string v = value();
      o.Uptime = std::strtoll(v.c_str(), &end, 10);
      if (v.empty() || *end || o.Uptime < 0) {
        Usage("--uptime takes whole seconds");
      }
    } else if (a == "--now") {
      o.Now = value();
    } else if (a == "--date-format") {
      o.Formats.ShortDate = value();
    } else if (a == "--time-format") {
      o.Formats.LongTime = value();
    } else if (a == "--dpi") {
      o.Dpi = std::atoi(value().c_str());
      if (o.Dpi < 48 || o.Dpi > 480) {
        Usage("--dpi takes 48 to 480");
      }
    } else if (a == "--out") {
      o.Out = value();
    } else {
      Usage(("unknown option " + a).c_str());
    }
  }
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  TOptions opt = ParseOptions(argc, argv);
  platform_linux::InstallLinuxGfx();

  headless::THeadlessPlatform platform;
  platform.Dpi = opt.Dpi;
  if (!ParseNow(opt.Now, platform.Now)) {
    Usage("--now takes \"YYYY-MM-DD HH:MM:SS\"");
  }
  // The uptime label shows the tick count at the first timer tick, one second on.
  platform.Ticks = opt.Uptime * 1000 >= 1000 ? static_cast<uint64_t>(opt.Uptime) * 1000 - 1000 : 0;
  platform.Program = argv[0];
  TApplication app(platform);

  // Start-up as the program runs it: creation handler, first refresh, then shown.
  TFormDorvex::TSources sources;
  sources.Formats = opt.Formats;
  sources.OpenLog = [] { return std::make_unique<ListedEventSource>(); };
  if (opt.Log.Given()) {
    std::string problem;
    sources.OpenLog = opt.Log.Opener(problem);
    if (!sources.OpenLog) {
      std::fprintf(stderr, "dorvex-snapshot: %s\n", problem.c_str());
      return 2;
    }
  }
  TFormDorvex form(opt.Dpi, sources);
  app.MainForm = &form;
  form.RzClockStatus1->UpdateClock();
  form.DoCreate();

  int w = gfx::MulDiv(opt.Width, opt.Dpi, 96), h = gfx::MulDiv(opt.Height, opt.Dpi, 96);
  form.SetClientSize(w, h);
  form.RzPageControl1->SetTabIndex(opt.Page);
  form.ShowWindow();
  platform.Advance(app, 1000);

  for (const auto& box : platform.MessageBoxes) {
    std::fprintf(stderr, "message box \"%s\": %s\n", box.Title.c_str(), box.Text.c_str());
  }
  std::string error;
  if (!gfx::SavePng(opt.Out, form.Image(), &error)) {
    std::fprintf(stderr, "dorvex-snapshot: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
