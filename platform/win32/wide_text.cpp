#include "platform/win32/wide_text.h"

#include "bootlog/utf8.h"
#include "gfx/utf8.h"

namespace platform_win32 {

std::u16string Utf16FromUtf8(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = gfx::NextCodePoint(utf8, i);
    if (c >= 0x10000) {
      const char32_t v = c - 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  return out;
}

std::string Utf8FromUtf16(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  AppendUtf8FromUtf16(utf16.size(), [utf16](size_t i) { return utf16[i]; }, out);
  return out;
}

}  // namespace platform_win32
