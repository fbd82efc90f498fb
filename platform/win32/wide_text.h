// UTF-8, the program's text everywhere, to and from UTF-16, the text of the
// Windows wide-character calls. Portable so that the rules are tested on
// every build; only the Windows code calls them.
#pragma once

#include <string>
#include <string_view>

namespace platform_win32 {

// Malformed UTF-8 becomes U+FFFD, one per bad byte, as the text layout reads it.
std::u16string Utf16FromUtf8(std::string_view utf8);
// An unpaired surrogate becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view utf16);

}  // namespace platform_win32
