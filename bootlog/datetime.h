#pragma once

#include <cstdint>

// A date-time value: days since 1899-12-30 00:00, the fraction being the time of day.
using TDateTime = double;

struct TDateTimeParts {
  int Year = 1899, Month = 12, Day = 30;
  int Hour = 0, Minute = 0, Second = 0, MilliSecond = 0;
  int DayOfWeek = 7;  // 1 = Sunday .. 7 = Saturday
};

constexpr TDateTime kUnixEpochDate = 25569.0;  // 1970-01-01

bool IsValidDate(int year, int month, int day);
int DaysInMonth(int year, int month);

// Whole days since 1899-12-30 for a valid calendar date (proleptic Gregorian).
int64_t EncodeDate(int year, int month, int day);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int milliSecond = 0);

// The calendar date of a count of days since 1899-12-30, any count.
struct TCivilDate {
  int64_t Year = 1899;
  int Month = 12, Day = 30;
};
TCivilDate CivilDate(int64_t days);

// Splits a value into calendar fields, the time rounded to whole milliseconds.
TDateTimeParts DecodeDateTime(TDateTime value);
