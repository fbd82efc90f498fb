#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/x11/x11_display.h"
#include "ui/platform.h"

namespace x11 {

class TX11Platform;
class TXdndTarget;

// One top-level window. Keeps the last presented image in the server's pixel format
// and repaints exposed areas from it.
class TX11Window : public TPlatformWindow {
 public:
  TX11Window(TX11Platform& platform, const TWindowParams& params, TWindowEvents* events);
  ~TX11Window() override;

  void SetTitle(const std::string& utf8) override;
  void SetIcon(const gfx::TBitmap& icon) override;
  void Show() override;
  void Hide() override;
  bool Visible() const override { return mapped_; }
  void SetClientSize(int width, int height) override;
  TSize ClientSize() const override { return size_; }
  void MoveTo(int screenLeft, int screenTop) override;
  void Present(const gfx::TBitmap& image, const TRect& dirty) override;
  void SetCursor(TCursor cursor) override;
  TPoint ClientToScreen(TPoint p) const override;
  bool Maximized() const override;
  void BeginResizeDrag(TPoint screenPos) override;
  void SetInputEnabled(bool enabled) override { inputEnabled_ = enabled; }
  void GrabFocus() override;
  void AccessibilityEvent(TAccEvent event, const TAccessible& node) override;

  ::Window Handle() const { return window_; }
  // Handles one event addressed to this window.
  void HandleEvent(XEvent& event);

 private:
  void Blit(const TRect& r);
  void ApplySizeHints();
  // The root of the window's accessible tree when a reader's bridge is up, else null.
  TAccessible* AccessibleRoot() const;
  // A reader's bridge takes keys first; true when it consumed this one.
  bool KeyTakenByReader(XKeyEvent& key);
  TX11Platform& platform_;
  TX11Display& x_;
  TWindowParams params_;
  TWindowEvents* events_;
  ::Window window_ = 0;
  GC gc_ = nullptr;
  TSize size_;
  std::vector<uint32_t> pixels_;  // 0x00RRGGBB, size_ of the kept image
  int imageWidth_ = 0, imageHeight_ = 0;
  bool mapped_ = false;
  bool everShown_ = false;
  bool inputEnabled_ = true;
  bool focusWanted_ = false;  // GrabFocus before the window could take it
  TShiftState buttons_ = 0;
  uint32_t accessibleRoot_ = 0;        // told to the bridge when first shown
  std::unique_ptr<TXdndTarget> drop_;  // when files may be dropped
};

// Modifier and button bits of an X event state as the toolkit's shift state.
TShiftState ShiftFromX(unsigned state);
// The toolkit's key code of an X key symbol, or 0.
TKey KeyFromKeysym(unsigned long keysym);

}  // namespace x11
