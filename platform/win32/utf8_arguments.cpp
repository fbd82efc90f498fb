#include "platform/win32/utf8_arguments.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/win32/wide_text.h"

namespace platform_win32 {

TUtf8Arguments::TUtf8Arguments() {
  int count = 0;
  if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 0; i < count; ++i) {
      const auto* text = reinterpret_cast<const char16_t*>(wide[i]);
      text_.push_back(Utf8FromUtf16(std::u16string_view(text)));
    }
    LocalFree(wide);
  }
  for (std::string& text : text_) {
    pointers_.push_back(text.data());
  }
  pointers_.push_back(nullptr);
}

}  // namespace platform_win32
