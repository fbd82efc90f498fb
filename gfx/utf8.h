// UTF-8 decoding for text layout.
#pragma once

#include <cstddef>
#include <string_view>

namespace gfx {

// Decodes the code point at s[i] and advances i past it. A malformed or
// truncated sequence yields U+FFFD and advances by one byte.
char32_t NextCodePoint(std::string_view s, std::size_t& i);

// Ideographs and other East Asian wide characters, where a line may break
// between any two characters.
bool IsWideBreakable(char32_t c);

}  // namespace gfx
