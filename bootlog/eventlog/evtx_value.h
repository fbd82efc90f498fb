#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Typed values of the binary XML in .evtx files: the value types of the
// substitution tokens, and the text each stands for.
namespace evtx_value {
constexpr uint8_t kNull = 0x00;
constexpr uint8_t kString = 0x01;  // UTF-16LE
constexpr uint8_t kAnsiString = 0x02;
constexpr uint8_t kFileTime = 0x11;
constexpr uint8_t kSid = 0x13;
constexpr uint8_t kBinXml = 0x21;
constexpr uint8_t kArray = 0x80;
}  // namespace evtx_value

// Appends UTF-16LE code units as UTF-8; unpaired surrogates become U+FFFD and
// the text stops at the first NUL, as the stored strings end there.
void AppendUtf8FromUtf16(const uint8_t* bytes, size_t units, std::string& out);

// The text of a value as Windows shows it: decimal integers, "0x%08x"-style
// hexadecimal, "{GUID}" in capitals, SIDs as "S-1-5-...", times as
// "2020-12-06T03:53:19.597986100Z", binary as capital hex. Arrays give their
// elements separated by ", ". Appends nothing for a null value.
void AppendValueText(uint8_t type, const uint8_t* bytes, size_t size, std::string& out);

// The texts of an array's elements (type with kArray set), one each.
void ArrayElementTexts(uint8_t type, const uint8_t* bytes, size_t size,
                       std::vector<std::string>& out);

// FILETIME (100 ns since 1601) as the ISO 8601 text above.
void AppendFileTimeText(uint64_t fileTime, std::string& out);
