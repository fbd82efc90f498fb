#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "ui/accessibility.h"
#include "ui/geometry.h"
#include "ui/input.h"

// What a platform window reports back to the toolkit. Coordinates are pixels of
// the window's client area.
class TWindowEvents {
 public:
  virtual ~TWindowEvents() = default;
  virtual void WindowResized(int clientWidth, int clientHeight) = 0;
  virtual void WindowMouseDown(TMouseButton button, TShiftState shift, TPoint p) = 0;
  virtual void WindowMouseMove(TShiftState shift, TPoint p) = 0;
  virtual void WindowMouseUp(TMouseButton button, TShiftState shift, TPoint p) = 0;
  virtual void WindowMouseWheel(TShiftState shift, int wheelDelta, TPoint p) = 0;
  virtual void WindowMouseLeave() = 0;
  virtual void WindowKeyDown(TKey key, TShiftState shift) = 0;
  virtual void WindowKeyUp(TKey key, TShiftState shift) = 0;
  // A typed character (UTF-32), after the key-down that produced it.
  virtual void WindowChar(char32_t ch) = 0;
  // The close box, Alt+F4 or the window manager asked the window to close.
  virtual void WindowCloseRequest() = 0;
  // The window lost the keyboard: held buttons and captures end.
  virtual void WindowDeactivated() = 0;
  // The root of the window's accessible tree, for the platform's bridge.
  virtual TAccessible* WindowAccessible() { return nullptr; }
  // Files dropped on a window that accepts them (full paths, UTF-8).
  virtual void WindowFilesDropped(const std::vector<std::string>& /*paths*/) {}
};

enum TWindowKind {
  wkMain,    // sizeable, system menu, minimise and maximise boxes
  wkDialog,  // fixed single border, close box only
  wkPopup,   // no frame, never takes the focus (the hint window)
};

struct TWindowParams {
  TWindowKind Kind = wkMain;
  std::string Title;  // UTF-8
  int ClientWidth = 0;
  int ClientHeight = 0;
  // Centred on the desktop, or over the owner when there is one; else at Left, Top.
  bool Centred = true;
  int Left = 0, Top = 0;
  class TPlatformWindow* Owner = nullptr;
  // Shown modally: the owner takes no input while it is open.
  bool Modal = false;
  // Files may be dropped on it (the system's drag and drop).
  bool AcceptsFiles = false;
};

// One top-level window. The toolkit paints the whole client area into one image and
// hands it over with Present; the platform keeps the image and repaints exposed parts
// from it without asking the toolkit.
class TPlatformWindow {
 public:
  virtual ~TPlatformWindow() = default;
  virtual void SetTitle(const std::string& utf8) = 0;
  // The window's icon, 32-bit with alpha.
  virtual void SetIcon(const gfx::TBitmap& icon) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  virtual void SetClientSize(int width, int height) = 0;
  virtual TSize ClientSize() const = 0;
  virtual void MoveTo(int screenLeft, int screenTop) = 0;
  // Copies the image (client-sized) and updates the screen where `dirty` says.
  virtual void Present(const gfx::TBitmap& image, const TRect& dirty) = 0;
  virtual void SetCursor(TCursor cursor) = 0;
  virtual TPoint ClientToScreen(TPoint p) const = 0;
  virtual bool Maximized() const = 0;
  // Starts the window manager's resize from the bottom-right corner (size grip).
  virtual void BeginResizeDrag(TPoint screenPos) = 0;
  // While disabled the window takes no input (the owner of a modal window).
  virtual void SetInputEnabled(bool enabled) = 0;
  virtual void GrabFocus() = 0;
  // Tells assistive technology what changed in the window's accessible tree.
  virtual void AccessibilityEvent(TAccEvent /*event*/, const TAccessible& /*node*/) {}
};

enum TMessageBoxIcon { mbiNone, mbiError, mbiWarning, mbiInformation, mbiQuestion };

// Everything the toolkit needs from the operating system.
class TPlatform {
 public:
  virtual ~TPlatform() = default;

  virtual std::unique_ptr<TPlatformWindow> CreatePlatformWindow(const TWindowParams& params,
                                                                TWindowEvents* events) = 0;
  // Waits until an event arrives or the timeout (ms; none: forever) runs out, then
  // dispatches every pending event. Returns false when the platform is shutting down.
  virtual bool ProcessEvents(std::optional<uint64_t> timeoutMs) = 0;

  // Milliseconds since the system started; 64 bits, so it never wraps.
  virtual uint64_t TickCount64() = 0;
  // The local date and time: days since 1899-12-30, the fraction the time of day.
  virtual double LocalNow() = 0;
  // Seconds since 1970-01-01 00:00:00 UTC by the computer's clock.
  virtual int64_t UtcSeconds() = 0;

  virtual int ScreenDpi() = 0;
  // Bits per pixel of the screen; 8 or fewer means a palette display.
  virtual int ColorDepth() = 0;
  virtual TRect DesktopRect() = 0;

  virtual void SetClipboardText(const std::string& utf8) = 0;
  virtual std::string ClipboardText() = 0;

  // Hands an address to the system's default handler; false when nothing could
  // take it (the toolbar's commands ignore that, a link label keeps its colour).
  virtual bool OpenAddress(const std::string& address) = 0;
  // Modal message box with one OK button.
  virtual void ShowMessageBox(const std::string& text, const std::string& title,
                              TMessageBoxIcon icon) = 0;

  // Full path of the running program file.
  virtual std::string ProgramPath() = 0;
};
