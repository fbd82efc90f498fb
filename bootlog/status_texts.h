#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "bootlog/boot_table.h"

// The four status pane captions: records, days spanned, total hours, average hours.
std::array<std::string, 4> StatusTexts(const TBootTable& table, int64_t totalSeconds);
