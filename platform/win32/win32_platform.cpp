#include "platform/win32/win32_platform.h"

#include <windows.h>
// objbase.h needs what windows.h defines.
#include <objbase.h>

#include <algorithm>
#include <cstring>

#include "bootlog/datetime.h"
#include "platform/win32/modal_pump.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_colors_win32.h"
#include "platform/win32/tick_widener.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_gfx.h"
#include "platform/win32/win32_window.h"
#include "platform/win32/window_classes.h"

namespace platform_win32 {

namespace {

using TGetTickCount64 = ULONGLONG(WINAPI*)();

std::wstring Wide(const std::string& utf8) {
  const std::u16string w = Utf16FromUtf8(utf8);
  return std::wstring(w.begin(), w.end());
}

std::string Narrow(const wchar_t* text, std::size_t length) {
  return Utf8FromUtf16(std::u16string(text, text + length));
}

LRESULT CALLBACK HelperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

class TWin32Platform : public TPlatform {
 public:
  TWin32Platform() {
    // Before the first device context: the manifest says so too, this covers
    // programs without it (the tests).
    if (HMODULE user = GetModuleHandleW(L"user32.dll")) {
      using TSetAware = BOOL(WINAPI*)();
      if (auto set = reinterpret_cast<TSetAware>(
              reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDPIAware")))) {
        set();
      }
    }
    // The shell's handlers of addresses may be COM objects.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // GetTickCount64 exists from Vista on; XP has only the wrapping 32-bit count.
    if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
      tick64_ = reinterpret_cast<TGetTickCount64>(
          reinterpret_cast<void*>(GetProcAddress(kernel, "GetTickCount64")));
    }
    RegisterWindowClasses();
    LoadSystemColors();
    // Text is the platform's too: GDI, unless the program installed an engine itself.
    if (&gfx::DefaultTextEngine() == &gfx::BoxTextEngine()) {
      InstallWin32Gfx();
    }
    // The clipboard needs an owner window; this one never shows.
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = HelperProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DorvexHelper";
    RegisterClassExW(&wc);
    helper_ = CreateWindowExW(0, L"DorvexHelper", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetLinkOpener(&linkOpener_);
  }

  ~TWin32Platform() override {
    SetLinkOpener(nullptr);
    if (helper_ != nullptr) {
      DestroyWindow(helper_);
    }
    CoUninitialize();
  }

  std::unique_ptr<TPlatformWindow> CreatePlatformWindow(const TWindowParams& params,
                                                        TWindowEvents* events) override {
    void* owner = nullptr;
    if (auto* w = dynamic_cast<TWin32Window*>(params.Owner)) {
      owner = w->Handle();
    }
    // Dialogs and the hint belong to the main window unless told otherwise.
    if (owner == nullptr && params.Kind != wkMain) {
      owner = FindMainWindow();
    }
    return std::make_unique<TWin32Window>(params, events, owner);
  }

  bool ProcessEvents(std::optional<uint64_t> timeoutMs) override {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      DWORD wait = INFINITE;
      if (timeoutMs) {
        wait = static_cast<DWORD>(std::min<uint64_t>(*timeoutMs, INFINITE - 1));
      }
      MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    // A bounded batch, so that a flood of moves cannot hold off timers and paints.
    for (int i = 0; i < 200 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
      if (msg.message == WM_QUIT) {
        return false;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    return true;
  }

  uint64_t TickCount64() override {
    if (tick64_ != nullptr) {
      return tick64_();
    }
    return widener_.Widen(GetTickCount());
  }

  double LocalNow() override {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return EncodeDateTime(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond,
                          t.wMilliseconds);
  }

  int64_t UtcSeconds() override {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const uint64_t ticks = (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    // 100 ns ticks since 1601-01-01.
    return static_cast<int64_t>(ticks / 10000000) - 11644473600;
  }

  int ScreenDpi() override { return DeviceCaps(LOGPIXELSX); }
  int ColorDepth() override { return DeviceCaps(BITSPIXEL) * DeviceCaps(PLANES); }

  TRect DesktopRect() override {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }

  void SetClipboardText(const std::string& utf8) override {
    const std::u16string text = Utf16FromUtf8(utf8);
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    if (!OpenClipboard(helper_)) {
      return;
    }
    EmptyClipboard();
    if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
      if (void* p = GlobalLock(mem)) {
        memcpy(p, text.c_str(), bytes);
        GlobalUnlock(mem);
        // The clipboard owns the memory once it has taken it.
        if (SetClipboardData(CF_UNICODETEXT, mem) == nullptr) {
          GlobalFree(mem);
        }
      } else {
        GlobalFree(mem);
      }
    }
    CloseClipboard();
  }

  std::string ClipboardText() override {
    std::string out;
    if (!OpenClipboard(helper_)) {
      return out;
    }
    if (HANDLE mem = GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* p = static_cast<const wchar_t*>(GlobalLock(mem))) {
        // Bounded by the block's size, in case the text lacks its terminator.
        const std::size_t max = GlobalSize(mem) / sizeof(wchar_t);
        std::size_t n = 0;
        while (n < max && p[n] != 0) {
          ++n;
        }
        out = Narrow(p, n);
        GlobalUnlock(mem);
      }
    }
    CloseClipboard();
    return out;
  }

  bool OpenAddress(const std::string& address) override {
    return ShellOpenAddress(address, FindMainWindow());
  }

  void ShowMessageBox(const std::string& text, const std::string& title,
                      TMessageBoxIcon icon) override {
    UINT flags = MB_OK;
    switch (icon) {
      case mbiNone:
        break;
      case mbiError:
        flags |= MB_ICONERROR;
        break;
      case mbiWarning:
        flags |= MB_ICONWARNING;
        break;
      case mbiInformation:
        flags |= MB_ICONINFORMATION;
        break;
      case mbiQuestion:
        flags |= MB_ICONQUESTION;
        break;
    }
    HWND owner = GetActiveWindow();
    if (owner == nullptr) {
      flags |= MB_TASKMODAL;
    }
    // The clock and the uptime label go on while the box is open.
    TModalPump pump;
    MessageBoxW(owner, Wide(text).c_str(), Wide(title).c_str(), flags);
  }

  std::string ProgramPath() override {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
      const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
      if (n == 0) {
        return {};
      }
      if (n < buffer.size()) {
        return Narrow(buffer.data(), n);
      }
      buffer.resize(buffer.size() * 2);
    }
  }

 private:
  static int DeviceCaps(int index) {
    HDC dc = GetDC(nullptr);
    const int value = GetDeviceCaps(dc, index);
    ReleaseDC(nullptr, dc);
    return value;
  }

  HWND helper_ = nullptr;
  TGetTickCount64 tick64_ = nullptr;
  TTickWidener widener_;
  TWin32LinkOpener linkOpener_;
};

}  // namespace

}  // namespace platform_win32

std::unique_ptr<TPlatform> CreateWin32Platform() {
  return std::make_unique<platform_win32::TWin32Platform>();
}
