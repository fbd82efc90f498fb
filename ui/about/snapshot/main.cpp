// Renders the about window into a PNG without a screen, optionally after moving,
// pressing or clicking the mouse, so that its looks can be seen.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "linux_gfx.h"
#include "platform/headless/headless_platform.h"
#include "ui/about/form_about.h"
#include "ui/application.h"

namespace {

struct TAction {
  enum { Hover, Press, Click, Tab, SelectAll } Kind;
  TPoint At;
};

[[noreturn]] void Usage(const char* why) {
  std::fprintf(stderr,
               "dorvex-about-snapshot: %s\n"
               "usage: dorvex-about-snapshot [--dpi N] [--depth BITS] [--hover X,Y]\n"
               "       [--press X,Y] [--click X,Y] [--tab] [--select-all] [--crop X,Y,W,H]\n"
               "       [--zoom N] [--out FILE.png]\n"
               "Actions run in the order given; coordinates are client pixels.\n",
               why);
  std::exit(2);
}

TPoint ParsePoint(const std::string& v) {
  int x, y;
  char tail;
  if (std::sscanf(v.c_str(), "%d,%d%c", &x, &y, &tail) != 2) {
    Usage("a point is X,Y");
  }
  return {x, y};
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
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        Usage(("missing value for " + a).c_str());
      }
      return argv[++i];
    };
    if (a == "--dpi") {
      dpi = std::atoi(value().c_str());
      if (dpi < 48 || dpi > 480) {
        Usage("--dpi takes 48 to 480");
      }
    } else if (a == "--depth") {
      depth = std::atoi(value().c_str());
      if (depth < 1 || depth > 32) {
        Usage("--depth takes 1 to 32");
      }
    } else if (a == "--hover") {
      actions.push_back({TAction::Hover, ParsePoint(value())});
    } else if (a == "--press") {
      actions.push_back({TAction::Press, ParsePoint(value())});
    } else if (a == "--click") {
      actions.push_back({TAction::Click, ParsePoint(value())});
    } else if (a == "--tab") {
      actions.push_back({TAction::Tab, {}});
    } else if (a == "--select-all") {
      actions.push_back({TAction::SelectAll, {}});
    } else if (a == "--crop") {
      int x, y, w, h;
      char tail;
      if (std::sscanf(value().c_str(), "%d,%d,%d,%d%c", &x, &y, &w, &h, &tail) != 4 || w <= 0 ||
          h <= 0) {
        Usage("--crop takes X,Y,W,H");
      }
      crop = Bounds(x, y, w, h);
    } else if (a == "--zoom") {
      zoom = std::atoi(value().c_str());
      if (zoom < 1 || zoom > 16) {
        Usage("--zoom takes 1 to 16");
      }
    } else if (a == "--out") {
      out = value();
    } else {
      Usage(("unknown option " + a).c_str());
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
        about.WindowKeyDown(VK_TAB, 0);
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
    std::fprintf(stderr, "dorvex-about-snapshot: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
