#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bootlog/boot_table.h"
#include "bootlog/regional_formats.h"

extern const char* const kStateRunning;        // "正常,运行中..."
extern const char* const kStateCleanShutdown;  // "正常关机"
extern const char* const kStateAbnormal;       // "非正常关机"
extern const char* const kStateNoStart;        // "无开机记录"
extern const char* const kStateSleep;          // "睡眠"
extern const char* const kStateHibernation;    // "休眠"

// One list row: the five column texts and the state marker (0 green, 1 orange).
struct TBootRow {
  std::array<std::string, 5> Columns;
  int StateImage = 0;
};

struct TBootCompletion {
  std::vector<TBootRow> Rows;  // table order, newest first
  int64_t TotalSeconds = 0;
};

// Whole seconds between two times, rounded to the nearest second; the low 32 bits.
int32_t SecondsBetween(TDateTime a, TDateTime b);

// Trims a trailing record without times, then writes RunSeconds and StateText of
// every record and returns the rows and the sum of RunSeconds.
TBootCompletion CompleteBootTable(TBootTable& table, const RegionalFormats& formats);
// The same, handing each row over as it is made (the receiver may take its
// texts) instead of keeping them all; returns the sum of RunSeconds.
int64_t CompleteBootTable(TBootTable& table, const RegionalFormats& formats,
                          const std::function<void(TBootRow&)>& row);
