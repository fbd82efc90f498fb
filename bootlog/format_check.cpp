#include "bootlog/format_check.h"

#include <optional>

#include "bootlog/date_format.h"

namespace {

std::string Plain(TDateTime value) {
  return FormatDateTime("yyyy-MM-dd HH:mm:ss", value);
}

// Why the text of `value` does not read back, or empty.
std::string Problem(TDateTime value, const RegionalFormats& formats) {
  const auto [text, back] = RoundTripDateTime(value, formats);
  if (!back) {
    return "'" + text + "', written for " + Plain(value) + ", does not read back";
  }
  if (*back != value) {
    return "'" + text + "', written for " + Plain(value) + ", reads back as " + Plain(*back);
  }
  return {};
}

}  // namespace

bool ReadsBack(TDateTime value, const RegionalFormats& formats) {
  return Problem(value, formats).empty();
}

std::string ReadBackProblem(const RegionalFormats& formats) {
  std::string problem;
  auto fails = [&](int year, int month, int day, int hour, int minute, int second) {
    problem = Problem(EncodeDateTime(year, month, day, hour, minute, second), formats);
    return !problem.empty();
  };
  // Every month, day, weekday and hour, minutes and seconds of one and of two digits.
  int n = 0;
  for (int year : {2008, 2009}) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day, ++n) {
        const bool midnight = n % 11 == 0;
        if (fails(year, month, day, midnight ? 0 : n % 24, midnight ? 0 : n * 7 % 60,
                  midnight ? 0 : n * 13 % 60)) {
          return problem;
        }
      }
    }
  }
  // Years of one and two digits past the century, both sides of any window.
  for (int year = 1970; year <= 2105; ++year) {
    if (fails(year, 12, 31, 23, 59, 59) || fails(year + 1, 1, 1, 0, 0, 0)) {
      return problem;
    }
  }
  return problem;
}

RegionalFormats FormatsOrDefaults(const RegionalFormats& formats) {
  return ReadBackProblem(formats).empty() ? formats : RegionalFormats{};
}
