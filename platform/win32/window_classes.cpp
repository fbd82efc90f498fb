#include "platform/win32/window_classes.h"

#include <windows.h>

#include "platform/win32/win32_window.h"
#include "ui/guarded.h"

namespace platform_win32 {

const wchar_t kMainClass[] = L"DorvexMainWindow";
const wchar_t kDialogClass[] = L"DorvexDialog";
const wchar_t kPopupClass[] = L"DorvexHint";

static_assert(kShowPopupMessage == WM_APP + 1);

namespace {

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
  // The program's code runs under the general error handler: nothing unwinds
  // through the system's frames.
  LRESULT result = 0;
  RunGuarded([&] { result = window->HandleMessage(message, wParam, lParam); });
  return result;
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

}  // namespace platform_win32
