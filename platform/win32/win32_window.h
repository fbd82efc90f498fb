// One top-level Win32 window behind TPlatformWindow: the frame and the
// window messages handed to the toolkit (win32_window.cpp), the client image
// kept in a DIB section (win32_window_pixels.cpp); the classes and window
// procedure are in window_classes.cpp, the pure translation of message values
// in message_translation.cpp. Handles are kept as void* so that windows.h stays out
// of headers.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/win32/message_translation.h"
#include "ui/platform.h"

namespace platform_win32 {

class TModalPump;

class TWin32Window : public TPlatformWindow {
 public:
  // `owner` is the owner's HWND (dialogs and the hint popup), or null.
  TWin32Window(const TWindowParams& params, TWindowEvents* events, void* owner);
  ~TWin32Window() override;
  TWin32Window(const TWin32Window&) = delete;
  TWin32Window& operator=(const TWin32Window&) = delete;

  void SetTitle(const std::string& utf8) override;
  void SetIcon(const gfx::TBitmap& icon) override;
  void Show() override;
  void Hide() override;
  bool Visible() const override;
  void SetClientSize(int width, int height) override;
  TSize ClientSize() const override;
  void MoveTo(int screenLeft, int screenTop) override;
  void Present(const gfx::TBitmap& image, const TRect& dirty) override;
  void SetCursor(TCursor cursor) override;
  TPoint ClientToScreen(TPoint p) const override;
  bool Maximized() const override;
  void BeginResizeDrag(TPoint screenPos) override;
  void SetInputEnabled(bool enabled) override;
  void GrabFocus() override;
  void AccessibilityEvent(TAccEvent event, const TAccessible& node) override;

  void* Handle() const { return hwnd_; }
  TWindowKind Kind() const { return kind_; }

  // The window procedure's work; the types are WPARAM, LPARAM and LRESULT.
  intptr_t HandleMessage(unsigned message, uintptr_t wParam, intptr_t lParam);

 private:
  void EnsureDib(int width, int height);
  void FreeDib();
  void Paint();
  TShiftState MouseShift(uintptr_t wParam) const;
  void MouseButton(TMouseButton button, bool down, uintptr_t wParam, intptr_t lParam);
  void MouseMove(uintptr_t wParam, intptr_t lParam);
  // WM_DROPFILES; `drop` is its HDROP.
  void DroppedFiles(void* drop);

  TWindowEvents* events_;
  TWindowKind kind_;
  void* hwnd_ = nullptr;
  void* owner_ = nullptr;
  unsigned long style_ = 0;
  unsigned long exStyle_ = 0;

  void* dib_ = nullptr;    // HBITMAP
  void* dibDc_ = nullptr;  // HDC holding it
  void* oldBitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  int dibWidth_ = 0;
  int dibHeight_ = 0;

  void* cursor_ = nullptr;  // HCURSOR
  void* bigIcon_ = nullptr;
  void* smallIcon_ = nullptr;

  TSize reported_;
  TPoint lastMove_{-100000, -100000};
  TShiftState lastMoveShift_ = 0;
  unsigned buttons_ = 0;
  TCharJoiner chars_;
  bool tracking_ = false;
  bool sizing_ = false;
  std::unique_ptr<TModalPump> sizePump_;  // timers run while the user sizes
  bool quietResize_ = false;
  bool pendingShow_ = false;
  bool shownBefore_ = false;
};

}  // namespace platform_win32
