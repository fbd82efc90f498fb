#include "platform/headless/headless_platform.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/timer.h"

namespace headless {

THeadlessPlatform::THeadlessPlatform() = default;

THeadlessPlatform::~THeadlessPlatform() {
  for (THeadlessWindow* w : windows_) {
    w->Events = nullptr;
  }
}

THeadlessWindow* THeadlessPlatform::WindowWithTitle(const std::string& title) const {
  for (THeadlessWindow* w : windows_) {
    if (w->Title == title) {
      return w;
    }
  }
  return nullptr;
}

void THeadlessPlatform::Advance(TApplication& app, uint64_t ms) {
  uint64_t target = Ticks + ms;
  for (;;) {
    auto due = AppTimers().NextDue();
    if (!due || *due > target) {
      break;
    }
    Ticks = std::max(Ticks, *due);
    AppTimers().RunDue();
    app.UpdateWindows();
  }
  Ticks = target;
  app.UpdateWindows();
}

std::unique_ptr<TPlatformWindow> THeadlessPlatform::CreatePlatformWindow(
    const TWindowParams& params, TWindowEvents* events) {
  return std::make_unique<THeadlessWindow>(*this, params, events);
}

bool THeadlessPlatform::ProcessEvents(std::optional<uint64_t> timeoutMs) {
  if (!posted_.empty()) {
    auto action = std::move(posted_.front());
    posted_.pop_front();
    action();
    return true;
  }
  // Nothing scripted: time passes until the next timer, if any; otherwise nothing
  // can ever happen again, so the loop must end.
  if (!timeoutMs) {
    return false;
  }
  Ticks += *timeoutMs;
  return true;
}

void THeadlessPlatform::ShowMessageBox(const std::string& text, const std::string& title,
                                       TMessageBoxIcon icon) {
  MessageBoxes.push_back({text, title, icon});
}

THeadlessWindow::THeadlessWindow(THeadlessPlatform& platform, const TWindowParams& params,
                                 TWindowEvents* events)
    : Params(params), Events(events), Title(params.Title), platform_(platform) {
  size_ = {params.ClientWidth, params.ClientHeight};
  if (params.Centred) {
    TRect d = platform.Desktop;
    Position = {d.Left + (d.Width() - size_.Width) / 2, d.Top + (d.Height() - size_.Height) / 2};
  } else {
    Position = {params.Left, params.Top};
  }
  Screen.SetSize(size_.Width, size_.Height);
  platform_.windows_.push_back(this);
}

THeadlessWindow::~THeadlessWindow() {
  auto& ws = platform_.windows_;
  ws.erase(std::remove(ws.begin(), ws.end(), this), ws.end());
}

void THeadlessWindow::SetClientSize(int width, int height) {
  size_ = {width, height};
  if (Screen.Width() != width || Screen.Height() != height) {
    Screen.SetSize(width, height);
  }
}

void THeadlessWindow::Present(const gfx::TBitmap& image, const TRect& dirty) {
  if (Screen.Width() != image.Width() || Screen.Height() != image.Height()) {
    Screen.SetSize(image.Width(), image.Height());
    Screen.CopyFrom(image, image.BoundsRect(), 0, 0);
  } else {
    Screen.CopyFrom(image, dirty, dirty.Left, dirty.Top);
  }
  ++PresentCount;
  LastPresented = dirty;
}

void THeadlessWindow::UserResize(int width, int height) {
  SetClientSize(width, height);
  if (Events) {
    Events->WindowResized(width, height);
  }
}

}  // namespace headless
