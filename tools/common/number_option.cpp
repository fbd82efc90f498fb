#include "tools/common/number_option.h"

namespace {

// A whole decimal number in [min, max], or false.
bool ReadNumber(const std::string& text, int64_t min, int64_t max, int64_t& out) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-' && min < 0;
  if (negative) {
    ++i;
  }
  if (i == text.size()) {
    return false;
  }
  // Counted towards the bound on the number's own side, so nothing overflows.
  const uint64_t limit = negative ? uint64_t{0} - static_cast<uint64_t>(min)
                                  : static_cast<uint64_t>(max < 0 ? 0 : max);
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') {
      return false;
    }
    const unsigned digit = static_cast<unsigned>(c - '0');
    if (magnitude > (limit - digit) / 10) {
      return false;
    }
    magnitude = magnitude * 10 + digit;
  }
  const int64_t value =
      negative ? static_cast<int64_t>(uint64_t{0} - magnitude) : static_cast<int64_t>(magnitude);
  if (value < min || value > max) {
    return false;
  }
  out = value;
  return true;
}

std::string Range(int64_t min, int64_t max) {
  return "from " + std::to_string(min) + " to " + std::to_string(max);
}

}  // namespace

bool ParseNumberOption(const std::string& option, const std::string& value, int64_t min,
                       int64_t max, int64_t& out, std::string& problem) {
  if (ReadNumber(value, min, max, out)) {
    return true;
  }
  problem = option + " takes a whole number " + Range(min, max) + ", not '" + value + "'";
  return false;
}

bool ParseNumberListOption(const std::string& option, const std::string& value, char separator,
                           size_t count, int64_t min, int64_t max, const char* form,
                           std::vector<int64_t>& out, std::string& problem) {
  std::vector<int64_t> numbers;
  size_t start = 0;
  bool ok = true;
  while (ok) {
    const size_t end = value.find(separator, start);
    int64_t n = 0;
    ok = ReadNumber(value.substr(start, end == std::string::npos ? end : end - start), min, max, n);
    numbers.push_back(n);
    if (end == std::string::npos) {
      break;
    }
    start = end + 1;
  }
  if (!ok || numbers.size() != count) {
    problem =
        option + " takes " + form + ", whole numbers " + Range(min, max) + ", not '" + value + "'";
    return false;
  }
  out = std::move(numbers);
  return true;
}
