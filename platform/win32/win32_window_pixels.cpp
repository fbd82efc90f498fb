// The client image of a window: a DIB section the toolkit's image is copied
// into, and from which WM_PAINT draws.
#include <windows.h>

#include <algorithm>

#include "platform/win32/dib_pixels.h"
#include "platform/win32/win32_window.h"

namespace platform_win32 {

namespace {

HWND H(void* p) {
  return static_cast<HWND>(p);
}

}  // namespace

void TWin32Window::EnsureDib(int width, int height) {
  if (dib_ != nullptr && width == dibWidth_ && height == dibHeight_) {
    return;
  }
  FreeDib();
  if (width <= 0 || height <= 0) {
    return;
  }
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down, as the toolkit's image
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  if (bmp == nullptr || dc == nullptr) {
    if (bmp != nullptr) {
      DeleteObject(bmp);
    }
    if (dc != nullptr) {
      DeleteDC(dc);
    }
    return;
  }
  oldBitmap_ = SelectObject(dc, bmp);
  dib_ = bmp;
  dibDc_ = dc;
  bits_ = static_cast<std::uint32_t*>(bits);
  dibWidth_ = width;
  dibHeight_ = height;
  // Until the toolkit presents, the window shows the button face.
  const std::uint32_t face = DibPixel(GetSysColor(COLOR_BTNFACE));
  std::fill(bits_, bits_ + static_cast<std::size_t>(width) * height, face);
}

void TWin32Window::FreeDib() {
  if (dibDc_ != nullptr) {
    SelectObject(static_cast<HDC>(dibDc_), static_cast<HGDIOBJ>(oldBitmap_));
    DeleteDC(static_cast<HDC>(dibDc_));
  }
  if (dib_ != nullptr) {
    DeleteObject(static_cast<HBITMAP>(dib_));
  }
  dib_ = dibDc_ = oldBitmap_ = nullptr;
  bits_ = nullptr;
  dibWidth_ = dibHeight_ = 0;
}

void TWin32Window::Present(const gfx::TBitmap& image, const TRect& dirty) {
  if (image.IsEmpty()) {
    return;
  }
  TRect area = dirty.Intersect(image.BoundsRect());
  if (image.Width() != dibWidth_ || image.Height() != dibHeight_) {
    EnsureDib(image.Width(), image.Height());
    area = image.BoundsRect();
  }
  if (bits_ == nullptr || area.IsEmpty()) {
    return;
  }
  GdiFlush();
  CopyToDib(image, area, bits_);
  RECT r{area.Left, area.Top, area.Right, area.Bottom};
  InvalidateRect(H(hwnd_), &r, FALSE);
  UpdateWindow(H(hwnd_));
}

void TWin32Window::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(H(hwnd_), &ps);
  const RECT& r = ps.rcPaint;
  if (dibDc_ != nullptr) {
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, static_cast<HDC>(dibDc_), r.left,
           r.top, SRCCOPY);
  }
  // Beyond the image (the frame grew before the toolkit repainted): the button face.
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  if (r.right > dibWidth_) {
    RECT right{std::max<LONG>(r.left, dibWidth_), r.top, r.right, r.bottom};
    FillRect(dc, &right, face);
  }
  if (r.bottom > dibHeight_) {
    RECT bottom{r.left, std::max<LONG>(r.top, dibHeight_), r.right, r.bottom};
    FillRect(dc, &bottom, face);
  }
  EndPaint(H(hwnd_), &ps);
}

}  // namespace platform_win32
