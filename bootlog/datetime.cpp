#include "bootlog/datetime.h"

#include <cmath>

namespace {

constexpr int64_t kMsPerDay = 86400000;
constexpr bool IsLeap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

// Day numbers here count from 0000-03-01.
constexpr int64_t kDay18991230 = DaysFromCivil(1899, 12, 30);

}  // namespace

TCivilDate CivilDate(int64_t days) {
  const int64_t z = days + kDay18991230;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {yoe + era * 400 + (m <= 2), m, d};
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) {
    return 0;
  }
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

int64_t EncodeDate(int year, int month, int day) {
  return DaysFromCivil(year, month, day) - kDay18991230;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int milliSecond) {
  const double time =
      ((hour * 3600.0 + minute * 60.0 + second) * 1000.0 + milliSecond) / double(kMsPerDay);
  const double date = static_cast<double>(EncodeDate(year, month, day));
  // Before 1899-12-30 the fraction counts forward from the (negative) day.
  return date >= 0 ? date + time : date - time;
}

TDateTimeParts DecodeDateTime(TDateTime value) {
  TDateTimeParts parts;
  if (!std::isfinite(value) || std::fabs(value) > 2.0e7) {
    return parts;
  }
  int64_t day = static_cast<int64_t>(value);  // truncates: the fraction is the time either side
  int64_t ms = std::llround(std::fabs(value - static_cast<double>(day)) * double(kMsPerDay));
  if (ms >= kMsPerDay) {
    ms -= kMsPerDay;
    day += value >= 0 ? 1 : -1;
  }
  const TCivilDate date = CivilDate(day);
  parts.Year = static_cast<int>(date.Year);
  parts.Month = date.Month;
  parts.Day = date.Day;
  parts.Hour = static_cast<int>(ms / 3600000);
  parts.Minute = static_cast<int>(ms / 60000 % 60);
  parts.Second = static_cast<int>(ms / 1000 % 60);
  parts.MilliSecond = static_cast<int>(ms % 1000);
  // 1899-12-30 was a Saturday.
  parts.DayOfWeek = static_cast<int>(((day % 7) + 7 + 6) % 7) + 1;
  return parts;
}
