#include "platform/win32/win32_window.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "platform/win32/accessible_object.h"
#include "platform/win32/message_translation.h"
#include "platform/win32/modal_pump.h"
#include "platform/win32/msaa_bridge.h"
#include "platform/win32/system_colors_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_classes.h"
#include "platform/win32/window_icon.h"
#include "platform/win32/window_placement.h"
#include "ui/application.h"

namespace platform_win32 {

namespace {

HWND H(void* p) {
  return static_cast<HWND>(p);
}

std::wstring Wide(const std::string& utf8) {
  const std::u16string w = Utf16FromUtf8(utf8);
  return std::wstring(w.begin(), w.end());
}

// The translation's numbers are the system's.
static_assert(msg::kKeyDown == WM_KEYDOWN && msg::kKeyUp == WM_KEYUP && msg::kChar == WM_CHAR);
static_assert(msg::kSysKeyDown == WM_SYSKEYDOWN && msg::kSysKeyUp == WM_SYSKEYUP &&
              msg::kSysChar == WM_SYSCHAR && msg::kSysCommand == WM_SYSCOMMAND);
static_assert(msg::kLButtonDown == WM_LBUTTONDOWN && msg::kLButtonUp == WM_LBUTTONUP &&
              msg::kRButtonDown == WM_RBUTTONDOWN && msg::kRButtonUp == WM_RBUTTONUP &&
              msg::kMButtonDown == WM_MBUTTONDOWN && msg::kMButtonUp == WM_MBUTTONUP);
static_assert(msg::kMkLButton == MK_LBUTTON && msg::kMkRButton == MK_RBUTTON &&
              msg::kMkShift == MK_SHIFT && msg::kMkControl == MK_CONTROL &&
              msg::kMkMButton == MK_MBUTTON);
static_assert(msg::kScKeyMenu == SC_KEYMENU && msg::kVkSpace == VK_SPACE);

bool KeyHeld(int virtualKey) {
  return GetKeyState(virtualKey) < 0;
}

}  // namespace

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
  if (hwnd != nullptr && params.AcceptsFiles) {
    DragAcceptFiles(hwnd, TRUE);
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
  auto big = static_cast<HICON>(IconFromBitmap(icon));
  auto small = static_cast<HICON>(IconFromBitmap(icon));
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

void TWin32Window::SetCursor(TCursor cursor) {
  cursor_ = LoadCursorW(nullptr, MAKEINTRESOURCEW(CursorResourceOf(cursor)));
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
  return MouseShiftOf(wParam, KeyHeld(VK_MENU));
}

void TWin32Window::MouseButton(TMouseButton button, bool down, uintptr_t wParam, intptr_t lParam) {
  const unsigned bit = 1u << button;
  const TPoint p = PointOfLParam(lParam);
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
  const TPoint p = PointOfLParam(lParam);
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

void TWin32Window::DroppedFiles(void* drop) {
  auto* files = static_cast<HDROP>(drop);
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(files, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(files, i, nullptr, 0);
    std::u16string path(length + 1, u'\0');
    DragQueryFileW(files, i, reinterpret_cast<wchar_t*>(path.data()), length + 1);
    path.resize(length);
    paths.push_back(Utf8FromUtf16(path));
  }
  DragFinish(files);
  // Not while a modal window has the input.
  if (events_ && !paths.empty() && IsWindowEnabled(H(hwnd_))) {
    events_->WindowFilesDropped(paths);
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
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      if (const auto b = ButtonMessageOf(message)) {
        MouseButton(b->Button, b->Down, wParam, lParam);
      }
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
        events_->WindowMouseWheel(MouseShift(LOWORD(wParam)), WheelDeltaOf(wParam), {pt.x, pt.y});
      }
      return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      if (LeftToSystem(message, wParam, lParam)) {
        break;
      }
      const TShiftState shift =
          KeyShiftOf(message, lParam, KeyHeld(VK_SHIFT), KeyHeld(VK_CONTROL), KeyHeld(VK_MENU));
      if (events_ && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
        events_->WindowKeyDown(static_cast<TKey>(wParam), shift);
      } else if (events_) {
        events_->WindowKeyUp(static_cast<TKey>(wParam), shift);
      }
      // Alt+letter and Alt+F4 are the toolkit's; the system would enter menu
      // mode, and a released Alt would select the system menu.
      return 0;
    }
    case WM_SYSCHAR:
    case WM_SYSCOMMAND:
      if (LeftToSystem(message, wParam, lParam)) {
        break;
      }
      return 0;
    case WM_CHAR:
      if (const auto c = chars_.Add(static_cast<char16_t>(wParam)); c && events_) {
        events_->WindowChar(*c);
      }
      return 0;
    case WM_DROPFILES:
      DroppedFiles(reinterpret_cast<void*>(wParam));
      return 0;
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
