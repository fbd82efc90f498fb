#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/platform.h"

class TApplication;

namespace headless {

class THeadlessWindow;

struct TMessageBoxRecord {
  std::string Text;
  std::string Title;
  TMessageBoxIcon Icon = mbiNone;
};

// A platform without a screen, for tests and snapshots: a fake clock that moves only
// when told, windows that keep what was presented, and records of the addresses
// opened and the message boxes shown.
class THeadlessPlatform : public TPlatform {
 public:
  THeadlessPlatform();
  ~THeadlessPlatform() override;

  // ---- settings a test or tool may change before creating the application
  uint64_t Ticks = 0;        // TickCount64
  double Now = 45658.5;      // LocalNow: 2025-01-01 12:00:00
  int64_t Utc = 1735704000;  // UtcSeconds: 2025-01-01 04:00:00
  int Dpi = 96;
  int Depth = 32;
  TRect Desktop{0, 0, 1920, 1080};
  std::string Program = "/usr/bin/dorvex";
  bool OpenAddressSucceeds = true;

  // ---- records
  std::vector<std::string> OpenedAddresses;
  std::vector<TMessageBoxRecord> MessageBoxes;
  std::string Clipboard;
  const std::vector<THeadlessWindow*>& Windows() const { return windows_; }
  THeadlessWindow* WindowWithTitle(const std::string& title) const;

  // Work that ProcessEvents performs, one item per call (a test's scripted input).
  void Post(std::function<void()> action) { posted_.push_back(std::move(action)); }

  // Moves the fake clock forward by ms, running every timer when it falls due and
  // repainting the windows after each, as the message loop would.
  void Advance(TApplication& app, uint64_t ms);

  // ---- TPlatform
  std::unique_ptr<TPlatformWindow> CreatePlatformWindow(const TWindowParams& params,
                                                        TWindowEvents* events) override;
  bool ProcessEvents(std::optional<uint64_t> timeoutMs) override;
  uint64_t TickCount64() override { return Ticks; }
  double LocalNow() override { return Now; }
  int64_t UtcSeconds() override { return Utc; }
  int ScreenDpi() override { return Dpi; }
  int ColorDepth() override { return Depth; }
  TRect DesktopRect() override { return Desktop; }
  void SetClipboardText(const std::string& utf8) override { Clipboard = utf8; }
  std::string ClipboardText() override { return Clipboard; }
  // Records the address; says it was taken unless told otherwise.
  bool OpenAddress(const std::string& address) override {
    OpenedAddresses.push_back(address);
    return OpenAddressSucceeds;
  }
  void ShowMessageBox(const std::string& text, const std::string& title,
                      TMessageBoxIcon icon) override;
  std::string ProgramPath() override { return Program; }

 private:
  friend class THeadlessWindow;
  std::vector<THeadlessWindow*> windows_;
  std::deque<std::function<void()>> posted_;
};

class THeadlessWindow : public TPlatformWindow {
 public:
  THeadlessWindow(THeadlessPlatform& platform, const TWindowParams& params, TWindowEvents* events);
  ~THeadlessWindow() override;

  TWindowParams Params;
  TWindowEvents* Events;
  std::string Title;
  gfx::TBitmap Screen;  // what the window shows
  gfx::TBitmap Icon;
  TPoint Position;
  bool Shown = false;
  bool InputEnabled = true;
  bool IsMaximized = false;
  TCursor Cursor = crArrow;
  int PresentCount = 0;
  TRect LastPresented;
  int ResizeDrags = 0;

  void SetTitle(const std::string& utf8) override { Title = utf8; }
  void SetIcon(const gfx::TBitmap& icon) override { Icon = icon; }
  void Show() override { Shown = true; }
  void Hide() override { Shown = false; }
  bool Visible() const override { return Shown; }
  void SetClientSize(int width, int height) override;
  TSize ClientSize() const override { return size_; }
  void MoveTo(int screenLeft, int screenTop) override { Position = {screenLeft, screenTop}; }
  void Present(const gfx::TBitmap& image, const TRect& dirty) override;
  void SetCursor(TCursor cursor) override { Cursor = cursor; }
  TPoint ClientToScreen(TPoint p) const override { return {p.X + Position.X, p.Y + Position.Y}; }
  bool Maximized() const override { return IsMaximized; }
  void BeginResizeDrag(TPoint) override { ++ResizeDrags; }
  void SetInputEnabled(bool enabled) override { InputEnabled = enabled; }
  void GrabFocus() override {}

  // What the window's accessible tree reported, in order, with the node's name then.
  struct TAccRecord {
    TAccEvent Event;
    uint32_t Id = 0;
    std::string Name;
  };
  std::vector<TAccRecord> AccEvents;
  void AccessibilityEvent(TAccEvent event, const TAccessible& node) override {
    AccEvents.push_back({event, node.Id(), node.Name()});
  }

  // Simulates the user resizing the window: the client size changes and the toolkit
  // is told, as a window manager would.
  void UserResize(int width, int height);

 private:
  THeadlessPlatform& platform_;
  TSize size_;
};

}  // namespace headless
