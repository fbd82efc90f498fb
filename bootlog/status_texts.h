#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "bootlog/boot_table.h"

// The four status figures, whole numbers cut toward zero.
struct TStatusFigures {
  int64_t Records = 0;
  int64_t Days = 0;  // spanned by the records' times
  int64_t TotalHours = 0;
  int64_t AverageHours = 0;  // a record
};
TStatusFigures StatusFigures(const TBootTable& table, int64_t totalSeconds);

// The four status pane captions: records, days spanned, total hours, average hours.
std::array<std::string, 4> StatusTexts(const TBootTable& table, int64_t totalSeconds);
