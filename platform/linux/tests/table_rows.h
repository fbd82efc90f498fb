#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "bootlog/complete.h"
#include "bootlog/reconstruct.h"

// The shown columns and state image of each row the log gives.
using TRow = std::pair<std::array<std::string, 5>, int>;

inline std::vector<TRow> Rows(SessionSource& source) {
  TBootTable table;
  ReadBootEvents(source, RegionalFormats{}, table);
  std::vector<TRow> rows;
  for (const TBootRow& row : CompleteBootTable(table, RegionalFormats{}).Rows) {
    rows.push_back({row.Columns, row.StateImage});
  }
  return rows;
}
