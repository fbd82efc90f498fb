#include "bootlog/status_texts.h"

#include <cmath>

namespace {

// A record's time for the days figure: its start, else its stop.
TDateTime SpanTime(const TBootRecord& r, TDateTime fallback) {
  if (IsTimeSet(r.StartTime)) {
    return r.StartTime;
  }
  if (IsTimeSet(r.StopTime)) {
    return r.StopTime;
  }
  return fallback;
}

std::string Truncated(double value) {
  if (!std::isfinite(value)) {
    return "0";
  }
  return std::to_string(static_cast<int64_t>(value));
}

}  // namespace

std::array<std::string, 4> StatusTexts(const TBootTable& table, int64_t totalSeconds) {
  const size_t n = table.size();
  int64_t days = 0;
  if (n > 0) {
    const TDateTime last = SpanTime(table[n - 1], 0.0);
    const TDateTime first = SpanTime(table[0], last);
    days = static_cast<int64_t>(std::fabs(first - last)) + 1;
  }
  const double total = static_cast<double>(totalSeconds);
  return {
      "记录数:" + std::to_string(n),
      "天数:" + std::to_string(days),
      "总计:" + Truncated(total / 3600.0) + "小时",
      "平均:" + (n > 0 ? Truncated(total / (static_cast<double>(n) * 3600.0)) : "0") + "(小时/次)",
  };
}
