#include "chart/number_format.h"

#include <array>
#include <cmath>
#include <cstdio>

std::string FormatValue(double value, const TNumberSeparators& separators) {
  if (std::isnan(value)) {
    return "NAN";
  }
  if (std::isinf(value)) {
    return value > 0 ? "INF" : "-INF";
  }
  // %.3f rounds the binary value correctly; an exact tie goes to even.
  // The largest finite double has 309 integer digits.
  std::array<char, 320> buffer;
  int length = std::snprintf(buffer.data(), buffer.size(), "%.3f", std::fabs(value));
  std::string digits(buffer.data(), static_cast<size_t>(length));

  size_t point = digits.find('.');
  std::string integer = digits.substr(0, point);
  std::string fraction = digits.substr(point + 1);
  while (!fraction.empty() && fraction.back() == '0') {
    fraction.pop_back();
  }
  bool zero = fraction.empty() && integer == "0";

  std::string text;
  if (value < 0 && !zero) {
    text = "-";
  }
  size_t first = integer.size() % 3;
  for (size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (i - first) % 3 == 0 && i >= first) {
      text += separators.Thousand;
    }
    text += integer[i];
  }
  if (!fraction.empty()) {
    text += separators.Decimal;
    text += fraction;
  }
  return text;
}

std::string GeneralText15(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}
