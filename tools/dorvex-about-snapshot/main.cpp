// Renders the about window into a PNG without a screen, optionally after moving,
// pressing or clicking the mouse, so that its looks can be seen.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "linux_gfx.h"
#include "platform/headless/headless_platform.h"
#include "tools/common/image_size.h"
#include "tools/common/number_option.h"
#include "ui/about/form_about.h"
#include "ui/application.h"

namespace {

struct TAction {
  enum { Hover, Press, Click, Tab, SelectAll } Kind;
  TPoint At;
};

const TProgramUsage kProgram{
    "dorvex-about-snapshot",
    "Draws the about window, without a screen, into a PNG. Actions run in the order given; "
    "coordinates are client pixels.",
    "usage: dorvex-about-snapshot [--dpi N] [--depth BITS] [--hover X,Y]\n"
    "       [--press X,Y] [--click X,Y] [--tab] [--select-all] [--crop X,Y,W,H]\n"
    "       [--zoom N] [--out FILE.png]\n"};

[[noreturn]] void Usage(const std::string& why) {
  std::exit(UsageError(kProgram, why));
}

constexpr int64_t kFarthest = 100000;  // pixels either way, for points and crops

std::vector<int> Numbers(const std::string& option, const std::string& value, size_t count,
                         const char* form) {
  std::vector<int64_t> numbers;
  std::string problem;
  if (!ParseNumberListOption(option, value, ',', count, -kFarthest, kFarthest, form, numbers,
                             problem)) {
    Usage(problem);
  }
  return std::vector<int>(numbers.begin(), numbers.end());
}

TPoint ParsePoint(const std::string& option, const std::string& value) {
  const std::vector<int> v = Numbers(option, value, 2, "X,Y");
  return {v[0], v[1]};
}

int Number(const std::string& option, const std::string& value, int min, int max) {
  int64_t n = 0;
  std::string problem;
  if (!ParseNumberOption(option, value, min, max, n, problem)) {
    Usage(problem);
  }
  return static_cast<int>(n);
}

}  // namespace

int main(int argc, char** argv) {
  int dpi = 96, depth = 32;
  std::string out = "about.png";
  TRect crop;
  int zoom = 1;
  std::vector<TAction> actions;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (int status = 0; AnswersStandardOption(kProgram, a, status)) {
      return status;
    }
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        Usage("option '" + a + "' needs a value");
      }
      return argv[++i];
    };
    if (a == "--dpi") {
      dpi = Number(a, value(), 48, 480);
    } else if (a == "--depth") {
      depth = Number(a, value(), 1, 32);
    } else if (a == "--hover") {
      actions.push_back({TAction::Hover, ParsePoint(a, value())});
    } else if (a == "--press") {
      actions.push_back({TAction::Press, ParsePoint(a, value())});
    } else if (a == "--click") {
      actions.push_back({TAction::Click, ParsePoint(a, value())});
    } else if (a == "--tab") {
      actions.push_back({TAction::Tab, {}});
    } else if (a == "--select-all") {
      actions.push_back({TAction::SelectAll, {}});
    } else if (a == "--crop") {
      const std::vector<int> v = Numbers(a, value(), 4, "X,Y,W,H");
      if (v[2] <= 0 || v[3] <= 0) {
        Usage("--crop takes a width and a height of at least 1");
      }
      crop = Bounds(v[0], v[1], v[2], v[3]);
    } else if (a == "--zoom") {
      zoom = Number(a, value(), 1, 16);
    } else if (a == "--out") {
      out = value();
    } else {
      Usage("unknown option '" + a + "'");
    }
  }

  platform_linux::InstallLinuxGfx();
  headless::THeadlessPlatform platform;
  platform.Dpi = dpi;
  platform.Depth = depth;
  TApplication app(platform);
  TForm owner;
  app.MainForm = &owner;
  owner.ShowWindow();

  TFormAbout about(&owner, app.ScreenDpi());
  about.ShowWindow();
  for (const TAction& act : actions) {
    switch (act.Kind) {
      case TAction::Hover:
        about.WindowMouseMove(0, act.At);
        break;
      case TAction::Press:
        about.WindowMouseMove(0, act.At);
        about.WindowMouseDown(mbLeft, 0, act.At);
        break;
      case TAction::Click:
        about.WindowMouseMove(0, act.At);
        about.WindowMouseDown(mbLeft, 0, act.At);
        about.WindowMouseUp(mbLeft, ssLeft, act.At);
        break;
      case TAction::Tab:
        about.WindowKeyDown(Key_Tab, 0);
        break;
      case TAction::SelectAll:
        about.Memo1->SetFocus();
        about.Memo1->SelectAll();
        break;
    }
    about.UpdateWindow();
  }
  for (const std::string& address : platform.OpenedAddresses) {
    std::fprintf(stderr, "opened %s\n", address.c_str());
  }
  gfx::TBitmap image = crop.IsEmpty() ? about.Image() : about.Image().Crop(crop);
  if (const std::string problem =
          ImageSizeProblem(int64_t{image.Width()} * zoom, int64_t{image.Height()} * zoom);
      !problem.empty()) {
    std::fprintf(stderr, "dorvex-about-snapshot: %s\n", problem.c_str());
    return 2;
  }
  if (zoom > 1) {
    // Every pixel as a zoom x zoom square, to see single pixels.
    gfx::TBitmap big(image.Width() * zoom, image.Height() * zoom);
    for (int y = 0; y < big.Height(); ++y) {
      for (int x = 0; x < big.Width(); ++x) {
        big.Set(x, y, image.At(x / zoom, y / zoom));
      }
    }
    image = big;
  }
  std::string error;
  if (!gfx::SavePng(out, image, &error)) {
    std::fprintf(stderr, "dorvex-about-snapshot: cannot write '%s': %s\n", out.c_str(),
                 error.c_str());
    return 1;
  }
  return 0;
}
