#include "bootlog/iso_time.h"

#include "bootlog/datetime.h"

namespace {

// The next `count` digits from pos on, skipping anything that is not a digit.
bool ReadDigits(const std::string& text, size_t& pos, int count, int& out) {
  out = 0;
  while (count > 0 && pos < text.size()) {
    const char c = text[pos++];
    if (c >= '0' && c <= '9') {
      out = out * 10 + (c - '0');
      --count;
    }
  }
  return count == 0;
}

}  // namespace

std::optional<uint32_t> ParseIsoUtcSeconds(const std::string& text) {
  constexpr int kWidths[6] = {4, 2, 2, 2, 2, 2};
  int f[6] = {};
  size_t pos = 0;
  for (int i = 0; i < 6; ++i) {
    if (!ReadDigits(text, pos, kWidths[i], f[i])) {
      return std::nullopt;
    }
  }
  if (!IsValidDate(f[0], f[1], f[2]) || f[3] > 23 || f[4] > 59 || f[5] > 59) {
    return std::nullopt;
  }
  const int64_t seconds =
      (EncodeDate(f[0], f[1], f[2]) - static_cast<int64_t>(kUnixEpochDate)) * 86400 + f[3] * 3600 +
      f[4] * 60 + f[5];
  if (seconds < 0 || seconds > static_cast<int64_t>(UINT32_MAX)) {
    return std::nullopt;
  }
  return static_cast<uint32_t>(seconds);
}
