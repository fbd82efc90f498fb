#include "ui/table_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TableText, CellsAreSeparatedAndEscapedAsEachFormatWants) {
  struct TCase {
    std::vector<std::string> Cells;
    std::string Tabbed, Comma;
  };
  const TCase cases[] = {
      {{"a", "", "b"}, "a\t\tb\n", "a,,b\r\n"},
      {{"正常,运行中...", "x"}, "正常,运行中...\tx\n", "\"正常,运行中...\",x\r\n"},
      {{"say \"hi\"", "tab\there"}, "say \"hi\"\ttab here\n", "\"say \"\"hi\"\"\",tab\there\r\n"},
      {{"two\r\nlines"}, "two  lines\n", "\"two\r\nlines\"\r\n"},
      {{}, "\n", "\r\n"},
  };
  for (const TCase& c : cases) {
    std::string tabbed, comma;
    AppendTabSeparated(tabbed, c.Cells, "\n");
    AppendCommaSeparated(comma, c.Cells);
    EXPECT_EQ(tabbed, c.Tabbed);
    EXPECT_EQ(comma, c.Comma);
  }
}

}  // namespace
