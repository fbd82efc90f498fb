#include "platform/win32/window_icon.h"

#include <windows.h>

#include <cstdint>

#include "platform/win32/dib_pixels.h"

namespace platform_win32 {

void* IconFromBitmap(const gfx::TBitmap& image) {
  if (image.IsEmpty()) {
    return nullptr;
  }
  BITMAPV5HEADER h{};
  h.bV5Size = sizeof(h);
  h.bV5Width = image.Width();
  h.bV5Height = -image.Height();
  h.bV5Planes = 1;
  h.bV5BitCount = 32;
  h.bV5Compression = BI_BITFIELDS;
  h.bV5RedMask = 0x00FF0000;
  h.bV5GreenMask = 0x0000FF00;
  h.bV5BlueMask = 0x000000FF;
  h.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP color = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&h), DIB_RGB_COLORS, &bits,
                                   nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (color == nullptr) {
    return nullptr;
  }
  auto* px = static_cast<std::uint32_t*>(bits);
  const bool alpha = image.HasAlpha();
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      std::uint32_t p = DibPixel(image.At(x, y));
      if (!alpha) {
        p |= 0xFF000000u;
      }
      px[static_cast<std::size_t>(y) * image.Width() + x] = p;
    }
  }
  // With a 32-bit colour bitmap the alpha channel decides; the mask only has to exist.
  HBITMAP mask = CreateBitmap(image.Width(), image.Height(), 1, 1, nullptr);
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = color;
  info.hbmMask = mask;
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(color);
  DeleteObject(mask);
  return icon;
}

}  // namespace platform_win32
