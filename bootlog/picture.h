#pragma once

#include <string>
#include <vector>

// One element of a Windows date or time picture string.
struct TPictureToken {
  enum Kind {
    Literal,
    Day,
    Day2,
    DayName,
    DayLongName,
    Month,
    Month2,
    MonthName,
    MonthLongName,
    Year,
    Year2,
    Year4,
    Hour12,
    Hour12_2,
    Hour24,
    Hour24_2,
    Minute,
    Minute2,
    Second,
    Second2,
    AmPm1,
    AmPm
  };
  Kind kind = Literal;
  std::string text;  // Literal only
};

std::vector<TPictureToken> ParsePicture(const std::string& picture);

extern const char* const kShortMonthNames[12];
extern const char* const kLongMonthNames[12];
extern const char* const kShortDayNames[7];  // Sunday first
extern const char* const kLongDayNames[7];
