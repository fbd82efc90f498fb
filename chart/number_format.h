#pragma once

#include <string>

// The locale's separators for number texts.
struct TNumberSeparators {
  std::string Thousand = ",";
  std::string Decimal = ".";
  friend bool operator==(const TNumberSeparators&, const TNumberSeparators&) = default;
};

// A value in the picture "#,##0.###": at least one integer digit, grouped by
// thousands, at most three decimals without trailing zeros. A value that rounds
// to zero prints as "0" without a sign.
std::string FormatValue(double value, const TNumberSeparators& separators = {});

// The general 15-significant-digit text used only to compare two values.
std::string GeneralText15(double value);
