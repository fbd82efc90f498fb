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

int64_t Truncated(double value) {
  return std::isfinite(value) ? static_cast<int64_t>(value) : 0;
}

}  // namespace

TStatusFigures StatusFigures(const TBootTable& table, int64_t totalSeconds) {
  TStatusFigures figures;
  const size_t n = table.size();
  figures.Records = static_cast<int64_t>(n);
  if (n > 0) {
    const TDateTime last = SpanTime(table[n - 1], 0.0);
    const TDateTime first = SpanTime(table[0], last);
    figures.Days = static_cast<int64_t>(std::fabs(first - last)) + 1;
  }
  const double total = static_cast<double>(totalSeconds);
  figures.TotalHours = Truncated(total / 3600.0);
  figures.AverageHours = n > 0 ? Truncated(total / (static_cast<double>(n) * 3600.0)) : 0;
  return figures;
}

std::array<std::string, 4> StatusTexts(const TBootTable& table, int64_t totalSeconds) {
  const TStatusFigures f = StatusFigures(table, totalSeconds);
  return {
      "记录数:" + std::to_string(f.Records),
      "天数:" + std::to_string(f.Days),
      "总计:" + std::to_string(f.TotalHours) + "小时",
      "平均:" + std::to_string(f.AverageHours) + "(小时/次)",
  };
}
