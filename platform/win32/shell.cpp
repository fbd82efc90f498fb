#include "platform/win32/shell.h"

#include "platform/win32/wide_text.h"

#include <windows.h>
// shellapi.h needs what windows.h defines.
#include <shellapi.h>

namespace platform_win32 {

std::string AnsiFromUtf8(const std::string& utf8) {
  const std::u16string w = Utf16FromUtf8(utf8);
  const auto* wide = reinterpret_cast<const wchar_t*>(w.c_str());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 1) {
    return {};
  }
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, out.data(), bytes, nullptr, nullptr);
  out.pop_back();
  return out;
}

bool ShellOpenAddress(const std::string& address, void* ownerHwnd) {
  // Values above 32 mean success.
  const HINSTANCE result =
      ShellExecuteA(static_cast<HWND>(ownerHwnd), nullptr, AnsiFromUtf8(address).c_str(), nullptr,
                    nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

bool TWin32LinkOpener::OpenVerb(const std::string& target) {
  const std::string file = AnsiFromUtf8(target);
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_FLAG_DDEWAIT;
  info.lpVerb = "Open";
  info.lpFile = file.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExA(&info) != FALSE;
}

void TWin32LinkOpener::StartChooser(const std::string& pattern) {
  const std::string command = "rundll32.exe shell32.dll,OpenAs_RunDLL " + AnsiFromUtf8(pattern);
  WinExec(command.c_str(), SW_SHOWNORMAL);
}

}  // namespace platform_win32
