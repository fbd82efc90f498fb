#include "ui/table_text.h"

void AppendTabSeparated(std::string& out, std::span<const std::string> cells,
                        const char* lineBreak) {
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) {
      out += '\t';
    }
    for (const char c : cells[i]) {
      out += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
    }
  }
  out += lineBreak;
}

void AppendCommaSeparated(std::string& out, std::span<const std::string> cells) {
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) {
      out += ',';
    }
    const std::string& cell = cells[i];
    if (cell.find_first_of(",\"\r\n") == std::string::npos) {
      out += cell;
      continue;
    }
    out += '"';
    for (const char c : cell) {
      out += c;
      if (c == '"') {
        out += '"';
      }
    }
    out += '"';
  }
  out += "\r\n";
}
