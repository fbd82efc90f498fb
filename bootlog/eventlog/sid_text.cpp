#include "bootlog/eventlog/sid_text.h"

#include <cinttypes>
#include <cstdio>

#include "bootlog/little_endian.h"

std::string SidText(const uint8_t* bytes, size_t size) {
  if (size < 8 || bytes[0] != 1 || bytes[1] > 15 || size < 8 + 4 * size_t(bytes[1])) {
    return {};
  }
  uint64_t authority = 0;
  for (int i = 2; i < 8; ++i) {
    authority = authority << 8 | bytes[i];
  }
  char number[24];
  std::snprintf(number, sizeof number, "%" PRIu64, authority);
  std::string out = std::string("S-1-") + number;
  for (size_t i = 0; i < bytes[1]; ++i) {
    std::snprintf(number, sizeof number, "-%" PRIu32, Le32(bytes + 8 + 4 * i));
    out += number;
  }
  return out;
}

std::string SidFromText(const std::string& text) {
  if (text.rfind("S-1-", 0) != 0) {
    return {};
  }
  // The authority (48 bits), then up to 15 sub-authorities (32 bits each).
  uint64_t numbers[16];
  size_t count = 0;
  size_t i = 4;
  while (true) {
    if (count == 16 || i >= text.size() || text[i] < '0' || text[i] > '9') {
      return {};
    }
    uint64_t value = 0;
    const uint64_t limit = count == 0 ? 0xFFFFFFFFFFFFULL : 0xFFFFFFFFULL;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
      value = value * 10 + static_cast<uint64_t>(text[i] - '0');
      if (value > limit) {
        return {};
      }
    }
    numbers[count++] = value;
    if (i == text.size()) {
      break;
    }
    if (text[i] != '-') {
      return {};
    }
    ++i;
  }
  std::string sid(8 + 4 * (count - 1), '\0');
  sid[0] = 1;
  sid[1] = static_cast<char>(count - 1);
  for (int b = 0; b < 6; ++b) {
    sid[2 + b] = static_cast<char>(numbers[0] >> (8 * (5 - b)));
  }
  for (size_t n = 1; n < count; ++n) {
    for (int b = 0; b < 4; ++b) {
      sid[8 + 4 * (n - 1) + b] = static_cast<char>(numbers[n] >> (8 * b));
    }
  }
  return sid;
}
