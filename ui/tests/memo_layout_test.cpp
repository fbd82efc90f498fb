#include "ui/memo_layout.h"

#include "gfx/text.h"
#include "ui/tests/widget_fixture.h"

namespace {

class MemoLayoutTest : public WidgetTest {
 protected:
  MemoLayoutTest() { font.Height = 12; }
  std::vector<std::string> RowTexts(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const TMemoRow& r : layout.Rows()) {
      out.push_back(lines[r.Line].substr(r.Begin, r.End - r.Begin));
    }
    return out;
  }
  void Build(const std::vector<std::string>& lines, int width) {
    layout.Build(lines, gfx::DefaultTextEngine(), font, width);
  }
  int W(const std::string& s) { return TextWidth(font, s); }

  gfx::TFont font;
  TMemoLayout layout;
};

TEST_F(MemoLayoutTest, WithoutWrappingEveryLineIsOneRowMeasuredByPrefix) {
  const std::vector<std::string> lines{"Dorvex", "", "(2)绘制工作时间统计图；"};
  Build(lines, 0);
  ASSERT_EQ(layout.RowCount(), 3);
  EXPECT_EQ(RowTexts(lines), lines);
  const TMemoRow& r = layout.Rows()[0];
  ASSERT_EQ(r.Offsets.size(), 7u);
  for (std::size_t k = 0; k < r.Offsets.size(); ++k) {
    EXPECT_EQ(r.Xs[k], W(lines[0].substr(0, r.Offsets[k])));
  }
  // Boundaries of Chinese text fall between whole UTF-8 sequences.
  const TMemoRow& c = layout.Rows()[2];
  EXPECT_EQ(c.Offsets[3], 3);
  EXPECT_EQ(c.Offsets[4], 6);
  EXPECT_EQ(layout.MaxWidth(), W(lines[2]));
  EXPECT_EQ(layout.Rows()[1].Width(), 0);
}

TEST_F(MemoLayoutTest, BreaksAfterBlanksWhichHangPastTheEdge) {
  const std::vector<std::string> lines{"aaa aaa aaa"};
  Build(lines, W("aaa aaa"));
  EXPECT_EQ(RowTexts(lines), (std::vector<std::string>{"aaa aaa ", "aaa"}));
  // One pixel narrower, the second word no longer fits after the first.
  Build(lines, W("aaa aaa") - 1);
  EXPECT_EQ(RowTexts(lines), (std::vector<std::string>{"aaa ", "aaa ", "aaa"}));
}

TEST_F(MemoLayoutTest, ChineseBreaksBetweenAnyTwoCharacters) {
  const std::vector<std::string> lines{"(3)发现是否有人偷偷使用您的电脑；"};
  const int width = W("(3)发现是否");
  Build(lines, width);
  ASSERT_GE(layout.RowCount(), 3);
  std::string joined;
  for (const std::string& t : RowTexts(lines)) {
    EXPECT_LE(W(t), width) << t;
    joined += t;
  }
  EXPECT_EQ(joined, lines[0]);
  EXPECT_EQ(RowTexts(lines)[0], "(3)发现是否");
}

TEST_F(MemoLayoutTest, WordWiderThanTheBoxIsCutWhereItMeetsTheEdge) {
  const std::vector<std::string> lines{"abcdefghijkl"};
  Build(lines, W("abcd"));
  std::string joined;
  for (const std::string& t : RowTexts(lines)) {
    EXPECT_LE(W(t), W("abcd"));
    EXPECT_FALSE(t.empty());
    joined += t;
  }
  EXPECT_EQ(joined, lines[0]);
  // A box narrower than any character still shows one character per row.
  Build(lines, 1);
  EXPECT_EQ(layout.RowCount(), 12);
}

TEST_F(MemoLayoutTest, PositionsAtSoftBreaksAndNearestBoundaries) {
  const std::vector<std::string> lines{"aaa bbb", "x"};
  Build(lines, W("aaa b"));
  ASSERT_EQ(RowTexts(lines), (std::vector<std::string>{"aaa ", "bbb", "x"}));
  // Offset 4 is both the end of row 0 and the start of row 1: it belongs to row 1.
  EXPECT_EQ(layout.RowOf({0, 4}), 1);
  EXPECT_EQ(layout.RowOf({0, 3}), 0);
  EXPECT_EQ(layout.RowOf({1, 1}), 2);
  EXPECT_EQ(layout.XOf({0, 5}), W("b"));
  // Nearest boundary to x, never the soft end of a wrapped row.
  EXPECT_EQ(layout.PosAt(0, W("a") + 1), (TMemoPos{0, 1}));
  EXPECT_EQ(layout.PosAt(0, 1000), (TMemoPos{0, 3}));
  EXPECT_EQ(layout.PosAt(1, 1000), (TMemoPos{0, 7}));
  EXPECT_EQ(layout.PosAt(9, 0), (TMemoPos{1, 0}));
}

}  // namespace
