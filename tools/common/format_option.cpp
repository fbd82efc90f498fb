#include "tools/common/format_option.h"

#include "bootlog/format_check.h"

std::string FormatOptionsProblem(const RegionalFormats& formats) {
  const std::string problem = ReadBackProblem(formats);
  if (problem.empty()) {
    return {};
  }
  return "--date-format '" + formats.ShortDate + "' with --time-format '" + formats.LongTime +
         "': " + problem;
}
