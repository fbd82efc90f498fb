#include "platform/win32/win32_window.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/win32/accessible_object.h"
#include "platform/win32/dib_pixels.h"
#include "platform/win32/modal_pump.h"
#include "platform/win32/msaa_bridge.h"
#include "platform/win32/system_colors_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_errors.h"
#include "platform/win32/window_placement.h"
#include "ui/application.h"

namespace platform_win32 {

namespace {

constexpr wchar_t kMainClass[] = L"DorvexMainWindow";
constexpr wchar_t kDialogClass[] = L"DorvexDialog";
constexpr wchar_t kPopupClass[] = L"DorvexHint";
// Shows a popup once the toolkit has sized and placed it.
constexpr UINT kShowPopupMessage = WM_APP + 1;

HWND H(void* p) {
  return static_cast<HWND>(p);
}

std::wstring Wide(const std::string& utf8) {
  const std::u16string w = Utf16FromUtf8(utf8);
  return std::wstring(w.begin(), w.end());
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* window = reinterpret_cast<TWin32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr || window->Handle() != hwnd) {
    // Messages sent during creation, before the handle is known, or after teardown.
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  try {
    return window->HandleMessage(message, wParam, lParam);
  } catch (...) {
    KeepWindowError(std::current_exception());
    return 0;
  }
}

HCURSOR CursorHandle(TCursor cursor) {
  LPCWSTR id = IDC_ARROW;
  switch (cursor) {
    case crDefault:
    case crArrow:
      id = IDC_ARROW;
      break;
    case crHandPoint:
      id = IDC_HAND;
      break;
    case crIBeam:
      id = IDC_IBEAM;
      break;
    case crCross:
      id = IDC_CROSS;
      break;
    case crSizeNWSE:
      id = IDC_SIZENWSE;
      break;
    case crSizeWE:
      id = IDC_SIZEWE;
      break;
    case crSizeNS:
      id = IDC_SIZENS;
      break;
    case crSizeAll:
      id = IDC_SIZEALL;
      break;
    case crHourGlass:
      id = IDC_WAIT;
      break;
  }
  return LoadCursorW(nullptr, id);
}

TShiftState KeyShift() {
  TShiftState s = 0;
  if (GetKeyState(VK_SHIFT) < 0) {
    s |= ssShift;
  }
  if (GetKeyState(VK_CONTROL) < 0) {
    s |= ssCtrl;
  }
  if (GetKeyState(VK_MENU) < 0) {
    s |= ssAlt;
  }
  return s;
}

TPoint PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

HICON IconFromBitmap(const gfx::TBitmap& image) {
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

struct TFindMain {
  HWND Found = nullptr;
};

BOOL CALLBACK FindMainProc(HWND hwnd, LPARAM lParam) {
  wchar_t name[64];
  if (GetClassNameW(hwnd, name, 64) > 0 && wcscmp(name, kMainClass) == 0) {
    reinterpret_cast<TFindMain*>(lParam)->Found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

void RegisterWindowClasses() {
  static bool done = false;
  if (done) {
    return;
  }
  done = true;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // The program icon of the resources, when the executable carries them.
  HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  if (icon == nullptr) {
    icon = LoadIconW(nullptr, IDI_APPLICATION);
  }
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = icon;
  wc.lpszClassName = kMainClass;
  RegisterClassExW(&wc);
  wc.lpszClassName = kDialogClass;
  RegisterClassExW(&wc);
  wc.hIcon = nullptr;
  wc.style = CS_SAVEBITS | CS_DROPSHADOW;
  wc.lpszClassName = kPopupClass;
  RegisterClassExW(&wc);
}

void* FindMainWindow() {
  TFindMain find;
  EnumThreadWindows(GetCurrentThreadId(), FindMainProc, reinterpret_cast<LPARAM>(&find));
  return find.Found;
}

TWin32Window::TWin32Window(const TWindowParams& params, TWindowEvents* events, void* owner)
    : events_(events), kind_(params.Kind), owner_(owner) {
  RegisterWindowClasses();
  const wchar_t* cls = kMainClass;
  switch (kind_) {
    case wkMain:
      style_ = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
      break;
    case wkDialog:
      // A fixed single border and the close box only.
      style_ = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
      cls = kDialogClass;
      break;
    case wkPopup:
      style_ = WS_POPUP;
      exStyle_ = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
      cls = kPopupClass;
      break;
  }
  RECT outer{0, 0, std::max(params.ClientWidth, 0), std::max(params.ClientHeight, 0)};
  AdjustWindowRectEx(&outer, style_, FALSE, exStyle_);
  const TSize size{outer.right - outer.left, outer.bottom - outer.top};
  const TRect desktop{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  TRect place = Bounds(params.Left, params.Top, size.Width, size.Height);
  if (params.Centred) {
    TRect area = desktop;
    RECT ownerRect;
    if (owner_ != nullptr && kind_ == wkDialog && GetWindowRect(H(owner_), &ownerRect)) {
      area = {ownerRect.left, ownerRect.top, ownerRect.right, ownerRect.bottom};
    }
    place = CentredWindowRect(size, area, desktop);
  }
  cursor_ = LoadCursorW(nullptr, IDC_ARROW);
  reported_ = {params.ClientWidth, params.ClientHeight};
  const std::wstring title = Wide(params.Title);
  // The handle is stored before the first message that needs it (WM_NCCREATE).
  HWND hwnd =
      CreateWindowExW(exStyle_, cls, title.c_str(), style_, place.Left, place.Top, size.Width,
                      size.Height, H(owner_), nullptr, GetModuleHandleW(nullptr), this);
  hwnd_ = hwnd;
  if (hwnd != nullptr && kind_ == wkDialog) {
    // No maximise or size entries in the system menu of a fixed dialog.
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_RESTORE, MF_BYCOMMAND);
  }
  EnsureDib(std::max(params.ClientWidth, 1), std::max(params.ClientHeight, 1));
}

TWin32Window::~TWin32Window() {
  if (hwnd_ != nullptr) {
    HWND hwnd = H(hwnd_);
    if (GetCapture() == hwnd) {
      ReleaseCapture();
    }
    // No more messages reach this object while the handle is being destroyed.
    hwnd_ = nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (owner_ != nullptr && !IsWindowEnabled(H(owner_))) {
      EnableWindow(H(owner_), TRUE);
    }
    DestroyWindow(hwnd);
  }
  FreeDib();
  if (bigIcon_ != nullptr) {
    DestroyIcon(static_cast<HICON>(bigIcon_));
  }
  if (smallIcon_ != nullptr) {
    DestroyIcon(static_cast<HICON>(smallIcon_));
  }
}

void TWin32Window::SetTitle(const std::string& utf8) {
  SetWindowTextW(H(hwnd_), Wide(utf8).c_str());
}

void TWin32Window::SetIcon(const gfx::TBitmap& icon) {
  HICON big = IconFromBitmap(icon);
  HICON small = IconFromBitmap(icon);
  if (big == nullptr) {
    return;
  }
  SendMessageW(H(hwnd_), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(H(hwnd_), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  if (bigIcon_ != nullptr) {
    DestroyIcon(static_cast<HICON>(bigIcon_));
  }
  if (smallIcon_ != nullptr) {
    DestroyIcon(static_cast<HICON>(smallIcon_));
  }
  bigIcon_ = big;
  smallIcon_ = small;
}

void TWin32Window::Show() {
  if (kind_ == wkPopup) {
    // The toolkit sizes and places the hint right after showing it; mapping it
    // first would flash it at its old place.
    if (!pendingShow_ && !IsWindowVisible(H(hwnd_))) {
      pendingShow_ = true;
      PostMessageW(H(hwnd_), kShowPopupMessage, 0, 0);
    }
    return;
  }
  ShowWindow(H(hwnd_), shownBefore_ ? SW_SHOW : SW_SHOWNORMAL);
  shownBefore_ = true;
  UpdateWindow(H(hwnd_));
}

void TWin32Window::Hide() {
  pendingShow_ = false;
  if (!IsWindowVisible(H(hwnd_))) {
    return;
  }
  // Hiding a dialog whose owner is still disabled would hand the activation to
  // another program's window; the owner is enabled first, as it is about to be.
  if (kind_ == wkDialog && owner_ != nullptr && !IsWindowEnabled(H(owner_))) {
    EnableWindow(H(owner_), TRUE);
  }
  ShowWindow(H(hwnd_), SW_HIDE);
}

bool TWin32Window::Visible() const {
  return pendingShow_ || IsWindowVisible(H(hwnd_));
}

void TWin32Window::SetClientSize(int width, int height) {
  RECT outer{0, 0, std::max(width, 0), std::max(height, 0)};
  AdjustWindowRectEx(&outer, style_, FALSE, exStyle_);
  // The toolkit asked for this size: it is not told about it again.
  quietResize_ = true;
  SetWindowPos(H(hwnd_), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  quietResize_ = false;
  reported_ = ClientSize();
}

TSize TWin32Window::ClientSize() const {
  RECT r{};
  GetClientRect(H(hwnd_), &r);
  return {r.right - r.left, r.bottom - r.top};
}

void TWin32Window::MoveTo(int screenLeft, int screenTop) {
  SetWindowPos(H(hwnd_), nullptr, screenLeft, screenTop, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

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

void TWin32Window::SetCursor(TCursor cursor) {
  cursor_ = CursorHandle(cursor);
  // Takes effect at once when the pointer is over this window's client area.
  POINT p;
  if (GetCursorPos(&p) && WindowFromPoint(p) == H(hwnd_) &&
      SendMessageW(H(hwnd_), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)) == HTCLIENT) {
    ::SetCursor(static_cast<HCURSOR>(cursor_));
  }
}

TPoint TWin32Window::ClientToScreen(TPoint p) const {
  POINT pt{p.X, p.Y};
  ::ClientToScreen(H(hwnd_), &pt);
  return {pt.x, pt.y};
}

bool TWin32Window::Maximized() const {
  return IsZoomed(H(hwnd_)) != FALSE;
}

void TWin32Window::BeginResizeDrag(TPoint screenPos) {
  if (kind_ != wkMain || Maximized()) {
    return;
  }
  // The system's sizing loop takes the mouse; it swallows the button release,
  // which the toolkit gets afterwards from a posted one.
  buttons_ = 0;
  ReleaseCapture();
  DefWindowProcW(H(hwnd_), WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT,
                 MAKELPARAM(screenPos.X, screenPos.Y));
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(H(hwnd_), &p);
  PostMessageW(H(hwnd_), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

void TWin32Window::SetInputEnabled(bool enabled) {
  EnableWindow(H(hwnd_), enabled ? TRUE : FALSE);
}

void TWin32Window::GrabFocus() {
  SetForegroundWindow(H(hwnd_));
  SetFocus(H(hwnd_));
}

void TWin32Window::AccessibilityEvent(TAccEvent event, const TAccessible& node) {
  NotifyAccessibilityEvent(hwnd_, event, node);
}

TShiftState TWin32Window::MouseShift(uintptr_t wParam) const {
  TShiftState s = 0;
  if (wParam & MK_SHIFT) {
    s |= ssShift;
  }
  if (wParam & MK_CONTROL) {
    s |= ssCtrl;
  }
  if (wParam & MK_LBUTTON) {
    s |= ssLeft;
  }
  if (wParam & MK_RBUTTON) {
    s |= ssRight;
  }
  if (wParam & MK_MBUTTON) {
    s |= ssMiddle;
  }
  if (GetKeyState(VK_MENU) < 0) {
    s |= ssAlt;
  }
  return s;
}

void TWin32Window::MouseButton(TMouseButton button, bool down, uintptr_t wParam, intptr_t lParam) {
  const unsigned bit = 1u << button;
  const TPoint p = PointOf(lParam);
  if (down) {
    if (buttons_ == 0) {
      SetCapture(H(hwnd_));
    }
    buttons_ |= bit;
    if (events_) {
      events_->WindowMouseDown(button, MouseShift(wParam), p);
    }
    return;
  }
  buttons_ &= ~bit;
  // Released before the toolkit hears of it: a click may open a modal window,
  // which needs the mouse.
  if (buttons_ == 0 && GetCapture() == H(hwnd_)) {
    ReleaseCapture();
  }
  if (events_) {
    events_->WindowMouseUp(button, MouseShift(wParam), p);
  }
}

void TWin32Window::MouseMove(uintptr_t wParam, intptr_t lParam) {
  if (!tracking_) {
    TRACKMOUSEEVENT tme{};
    tme.cbSize = sizeof(tme);
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = H(hwnd_);
    tracking_ = TrackMouseEvent(&tme) != FALSE;
  }
  const TPoint p = PointOf(lParam);
  const TShiftState shift = MouseShift(wParam);
  // The system repeats a move at the same place (windows shown or hidden
  // beneath the pointer); the toolkit would restart its hint pause on each.
  if (p == lastMove_ && shift == lastMoveShift_) {
    return;
  }
  lastMove_ = p;
  lastMoveShift_ = shift;
  if (events_) {
    events_->WindowMouseMove(shift, p);
  }
}

intptr_t TWin32Window::HandleMessage(unsigned message, uintptr_t wParam, intptr_t lParam) {
  HWND hwnd = H(hwnd_);
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_CLOSE:
      if (events_) {
        events_->WindowCloseRequest();
      }
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED && !quietResize_) {
        const TSize size{LOWORD(lParam), HIWORD(lParam)};
        if (!(size == reported_)) {
          reported_ = size;
          if (events_) {
            events_->WindowResized(size.Width, size.Height);
          }
          // Inside the system's sizing loop the program's own loop does not
          // run, so the toolkit repaints from here.
          if (sizing_) {
            if (TApplication* app = Application()) {
              app->UpdateWindows();
            }
          }
        }
      }
      return 0;
    case WM_ENTERSIZEMOVE:
      sizing_ = true;
      sizePump_ = std::make_unique<TModalPump>();
      break;
    case WM_EXITSIZEMOVE:
      sizing_ = false;
      sizePump_.reset();
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE && events_) {
        events_->WindowDeactivated();
      }
      break;
    case WM_MOUSEACTIVATE:
      if (kind_ == wkPopup) {
        return MA_NOACTIVATE;
      }
      break;
    case WM_NCHITTEST:
      if (kind_ == wkPopup) {
        return HTTRANSPARENT;
      }
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == hwnd && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(static_cast<HCURSOR>(cursor_));
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE:
      MouseMove(wParam, lParam);
      return 0;
    case WM_MOUSELEAVE:
      tracking_ = false;
      lastMove_ = {-100000, -100000};
      if (events_) {
        events_->WindowMouseLeave();
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      MouseButton(mbLeft, message == WM_LBUTTONDOWN, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      MouseButton(mbRight, message == WM_RBUTTONDOWN, wParam, lParam);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      MouseButton(mbMiddle, message == WM_MBUTTONDOWN, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) {
        buttons_ = 0;
      }
      return 0;
    case WM_MOUSEWHEEL: {
      POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ScreenToClient(hwnd, &pt);
      if (events_) {
        events_->WindowMouseWheel(MouseShift(LOWORD(wParam)), static_cast<short>(HIWORD(wParam)),
                                  {pt.x, pt.y});
      }
      return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      TShiftState shift = KeyShift();
      if (message == WM_SYSKEYDOWN && (lParam & (1 << 29))) {
        shift |= ssAlt;
      }
      // Alt+Space opens the system menu, as in every window.
      if (message == WM_SYSKEYDOWN && wParam == VK_SPACE) {
        break;
      }
      if (events_) {
        events_->WindowKeyDown(static_cast<TKey>(wParam), shift);
      }
      // Alt+letter and Alt+F4 are the toolkit's; the system would enter menu mode.
      return 0;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      TShiftState shift = KeyShift();
      if (message == WM_SYSKEYUP && (lParam & (1 << 29))) {
        shift |= ssAlt;
      }
      if (events_) {
        events_->WindowKeyUp(static_cast<TKey>(wParam), shift);
      }
      // A released Alt would otherwise select the system menu.
      return 0;
    }
    case WM_SYSCHAR:
      // Without a menu the system beeps at every Alt+letter; only Alt+Space is its own.
      if (wParam == ' ') {
        break;
      }
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_KEYMENU && lParam != ' ') {
        return 0;
      }
      break;
    case WM_CHAR: {
      const auto unit = static_cast<char16_t>(wParam);
      if (unit >= 0xD800 && unit <= 0xDBFF) {
        highSurrogate_ = unit;
        return 0;
      }
      char32_t c = unit;
      if (unit >= 0xDC00 && unit <= 0xDFFF) {
        if (highSurrogate_ == 0) {
          return 0;
        }
        c = 0x10000 + ((static_cast<char32_t>(highSurrogate_) - 0xD800) << 10) + (unit - 0xDC00);
      }
      highSurrogate_ = 0;
      if (events_) {
        events_->WindowChar(c);
      }
      return 0;
    }
    case WM_SYSCOLORCHANGE:
      LoadSystemColors();
      break;
    case WM_GETOBJECT:
    case kAccessibleActionMessage: {
      intptr_t result = 0;
      if (HandleAccessibilityMessage(hwnd, events_ ? events_->WindowAccessible() : nullptr, message,
                                     wParam, lParam, result)) {
        return result;
      }
      break;
    }
    case kShowPopupMessage:
      if (pendingShow_) {
        pendingShow_ = false;
        SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace platform_win32
