#include "platform/x11/x11_platform.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/linux/atk/atk_bridge.h"
#include "platform/x11/open_address.h"
#include "platform/x11/x11_clipboard.h"
#include "platform/x11/x11_display.h"
#include "platform/x11/x11_errors.h"
#include "platform/x11/x11_message_box.h"
#include "platform/x11/x11_window.h"
#include "ui/guarded.h"

namespace x11 {

namespace {

constexpr double kUnixEpochDays = 25569.0;  // 1970-01-01 in days since 1899-12-30

}  // namespace

std::unique_ptr<TX11Platform> TX11Platform::Open() {
  ::Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    return nullptr;
  }
  auto display = std::make_unique<TX11Display>(dpy);
  InstallErrorHandlers(dpy, &display->ConnectionLost);
  return std::unique_ptr<TX11Platform>(new TX11Platform(std::move(display)));
}

TX11Platform::TX11Platform(std::unique_ptr<TX11Display> display)
    : display_(std::move(display)), clipboard_(std::make_unique<TX11Clipboard>(*display_)) {
  // A session may name its accessibility bus on the display instead of the session bus.
  ::Display* dpy = display_->Dpy;
  const Atom busAtom = XInternAtom(dpy, "AT_SPI_BUS", True);
  bool busOnDisplay = false;
  if (busAtom != None) {
    Atom type;
    int format;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, RootWindow(dpy, display_->Screen), busAtom, 0, 1024, False,
                           AnyPropertyType, &type, &format, &count, &after, &data) == Success &&
        data) {
      busOnDisplay = count > 0;
      XFree(data);
    }
  }
  const std::string path = ProgramPath();
  atk_ = platform_atk::TAtkBridge::Start(path.substr(path.rfind('/') + 1), busOnDisplay);
}

TX11Platform::~TX11Platform() {
  atk_.reset();
  clipboard_.reset();
}

void TX11Platform::RemoveWindow(TX11Window* w) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), w), windows_.end());
}

std::unique_ptr<TPlatformWindow> TX11Platform::CreatePlatformWindow(const TWindowParams& params,
                                                                    TWindowEvents* events) {
  return std::make_unique<TX11Window>(*this, params, events);
}

bool TX11Platform::ProcessEvents(std::optional<uint64_t> timeoutMs) {
  ::Display* dpy = display_->Dpy;
  if (display_->ConnectionLost) {
    return false;
  }
  XFlush(dpy);
  const int wait = XPending(dpy) != 0 ? 0
                   : timeoutMs        ? static_cast<int>(std::min<uint64_t>(*timeoutMs, INT_MAX))
                                      : -1;
  if (atk_) {
    atk_->Wait(ConnectionNumber(dpy), wait);
  } else if (wait != 0) {
    pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
    poll(&fd, 1, wait);
  }
  while (!display_->ConnectionLost && XPending(dpy) > 0) {
    XEvent ev;
    XNextEvent(dpy, &ev);
    // One event's error leaves the rest of the queue to be handled.
    RunGuarded([&] { Dispatch(&ev); });
  }
  // A lost display ends the loop; the windows then close as on any other end.
  return !display_->ConnectionLost;
}

void TX11Platform::Dispatch(void* event) {
  XEvent& ev = *static_cast<XEvent*>(event);
  if (clipboard_->HandleEvent(ev)) {
    return;
  }
  ::Window target = ev.xany.window;
  for (TX11Window* w : windows_) {
    if (w->Handle() == target) {
      w->HandleEvent(ev);
      return;
    }
  }
}

uint64_t TX11Platform::TickCount64() {
  // Like the system's tick count: time since boot, suspended time included.
  timespec ts{};
  clock_gettime(CLOCK_BOOTTIME, &ts);
  return static_cast<uint64_t>(ts.tv_sec) * 1000 + static_cast<uint64_t>(ts.tv_nsec) / 1000000;
}

double TX11Platform::LocalNow() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  time_t secs = ts.tv_sec;
  tm local{};
  localtime_r(&secs, &local);
  double localSeconds = static_cast<double>(secs + local.tm_gmtoff) + ts.tv_nsec / 1e9;
  return kUnixEpochDays + localSeconds / 86400.0;
}

int64_t TX11Platform::UtcSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<int64_t>(ts.tv_sec);
}

int TX11Platform::ScreenDpi() {
  // The desktop's font resolution setting, as toolkits read it; 96 without one.
  const char* resources = XResourceManagerString(display_->Dpy);
  if (!resources) {
    return 96;
  }
  const char* key = std::strstr(resources, "Xft.dpi:");
  if (!key) {
    return 96;
  }
  double dpi = std::strtod(key + std::strlen("Xft.dpi:"), nullptr);
  if (!(dpi >= 24 && dpi <= 960)) {
    return 96;
  }
  return static_cast<int>(std::lround(dpi));
}

int TX11Platform::ColorDepth() {
  return DefaultDepth(display_->Dpy, display_->Screen);
}

TRect TX11Platform::DesktopRect() {
  ::Display* dpy = display_->Dpy;
  return {0, 0, DisplayWidth(dpy, display_->Screen), DisplayHeight(dpy, display_->Screen)};
}

void TX11Platform::SetClipboardText(const std::string& utf8) {
  clipboard_->SetText(utf8);
}

std::string TX11Platform::ClipboardText() {
  return clipboard_->Text();
}

bool TX11Platform::OpenAddress(const std::string& address) {
  return OpenWithDefaultHandler(address);
}

void TX11Platform::ShowMessageBox(const std::string& text, const std::string& title,
                                  TMessageBoxIcon icon) {
  ShowMessageForm(text, title, icon);
}

std::string TX11Platform::ProgramPath() {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof(buf) - 1);
  if (n <= 0) {
    return "dorvex";
  }
  return std::string(buf, static_cast<size_t>(n));
}

}  // namespace x11
