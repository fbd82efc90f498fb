#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "bootlog/boot_table.h"
#include "bootlog/complete.h"

// How dorvex-table writes the table: its own lines (each row's five texts and
// the state picture, then a blank line and the four status texts), or for
// scripts tab- or comma-separated texts under a header line, or JSON.
enum class TTableFormat { Plain, Tsv, Csv, Json };

// False for anything but "tsv", "csv" and "json".
bool ParseTableFormat(const std::string& name, TTableFormat& format);

// Writes each row as it is made, so that memory follows the table, not the output.
class TTableWriter {
 public:
  TTableWriter(TTableFormat format, std::FILE* out) : format_(format), out_(out) {}
  void Begin();
  // The row of the record at `index` of the table.
  void Row(const TBootRecord& record, size_t index, const TBootRow& row);
  void End(const TBootTable& table, int64_t totalSeconds);

 private:
  void Write();
  TTableFormat format_;
  std::FILE* out_;
  std::string text_;
};
