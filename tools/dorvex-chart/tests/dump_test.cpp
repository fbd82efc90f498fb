// The dump of dorvex-chart, with the real fonts: layout from measured text.
#include <gtest/gtest.h>

#include <sstream>

#include "chart/boot_chart.h"
#include "chart_dump.h"
#include "gfx/scale.h"
#include "gfx/text_layout.h"
#include "platform/linux/text/linux_gfx.h"

namespace {

class DumpTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform_linux::InstallLinuxGfx(); }
  DumpTest() {
    SetupBootChart(chart);
    chart.SetBounds(0, 0, 669, 328);
  }
  // Measured in the chart font, scaled to `dpi`.
  int Height(int dpi = 96) {
    return gfx::MeasureText(gfx::DefaultTextEngine(), gfx::TScaler(dpi).Scale(ChartFont()), "W")
        .Height;
  }
  int Width(const std::string& text, int dpi = 96) {
    return gfx::MeasureText(gfx::DefaultTextEngine(), gfx::TScaler(dpi).Scale(ChartFont()), text)
        .Width;
  }
  std::vector<std::string> Lines() {
    chart.UpdateImage();
    std::istringstream in(ChartDump(chart));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      lines.push_back(line);
    }
    return lines;
  }
  TChart chart;
};

std::string Rect(int l, int t, int r, int b) {
  return std::to_string(l) + " " + std::to_string(t) + " " + std::to_string(r) + " " +
         std::to_string(b);
}

}  // namespace

TEST_F(DumpTest, LinesInOrderWithMeasuredLayout) {
  Series1(chart).Add(10, "2024-03-05");
  Series1(chart).Add(20, "2024-03-06");
  std::vector<std::string> lines = Lines();
  int h = Height();
  int left = 21 + h + Width("20") + Width(" ") + 7;
  int bottom = 314 - h - 7;
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], "margins 21 14 648 314");
  EXPECT_EQ(lines[1], "plot " + Rect(left, 14, 648, bottom));
  const TChartAxis& b = chart.BottomAxis();
  char expected[200];
  std::snprintf(expected, sizeof expected, "axis bottom %.15g %.15g %d %d 1", b.CurrentMin(),
                b.CurrentMax(), left, 648);
  EXPECT_EQ(lines[2], expected);
  EXPECT_EQ(lines[3], "axis left 0 20 14 " + std::to_string(bottom) + " 1");
  // Two bottom labels, then the left ones from 20 down to 0, then the bars.
  EXPECT_EQ(lines[4], "label bottom " + std::to_string(b.ValueToPixel(0)) + " 2024-03-05");
  EXPECT_EQ(lines[5], "label bottom " + std::to_string(b.ValueToPixel(1)) + " 2024-03-06");
  EXPECT_EQ(lines[6], "label left 14 20");
  EXPECT_EQ(lines[26], "label left " + std::to_string(bottom) + " 0");
  const TBarSeries& s = Series1(chart);
  gfx::TRect r0 = s.DrawnBars()[0].Bounds;
  EXPECT_EQ(lines[27], "bar 0 " + Rect(r0.Left, r0.Top, r0.Right, r0.Bottom) + " FF0000");
  EXPECT_EQ(lines[28].substr(0, 6), "bar 1 ");
  EXPECT_EQ(lines[28].substr(lines[28].size() - 6), "008000");
  EXPECT_EQ(lines[29], "hint ");
  EXPECT_EQ(lines.size(), 30u);
}

TEST_F(DumpTest, AnotherResolutionScalesTheSizeAndTheFonts) {
  chart.ChangeScale(144, 96);
  ASSERT_EQ(chart.Width(), 1004);  // 669 and 328 at 1.5 times, halves rounded up
  ASSERT_EQ(chart.Height(), 492);
  EXPECT_EQ(chart.LeftAxis().LabelsFont().Height, 17);
  EXPECT_EQ(chart.LeftAxis().Title().Font.Height, 17);
  EXPECT_EQ(chart.BottomAxis().LabelsFont().Height, 17);
  Series1(chart).Add(10, "2024-03-05");
  Series1(chart).Add(20, "2024-03-06");
  std::vector<std::string> lines = Lines();
  int h = Height(144);
  ASSERT_GT(h, Height());
  int left = 31 + h + Width("20", 144) + Width(" ", 144) + 7;
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "margins 31 20 973 472");
  EXPECT_EQ(lines[1], "plot " + Rect(left, 20, 973, 472 - h - 7));
}

TEST_F(DumpTest, EmptyChartAndHint) {
  std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[2].substr(0, 16), "axis bottom 0 0 ");
  EXPECT_EQ(lines[4], "label bottom " + std::to_string(chart.BottomAxis().CenterPixel()) + " 0");
  EXPECT_EQ(lines[5], "label left " + std::to_string(chart.LeftAxis().CenterPixel()) + " 0");
  EXPECT_EQ(lines[6], "hint ");

  Series1(chart).Add(7.25, "2024-03-05");
  chart.UpdateImage();
  const TBarSeries& s = Series1(chart);
  chart.MouseMove(0, s.PointXPos(0) + 1, s.OriginPos(0) - 1);
  EXPECT_EQ(Lines().back(), "hint 2024-03-05 7.25");
}

TEST_F(DumpTest, RealFontTitleBandMatchesItsMeasurement) {
  Series1(chart).Add(8, "2024-03-05");
  TChartAxisTitle title = chart.LeftAxis().Title();
  title.Font.Color = gfx::clBlue;
  chart.LeftAxis().SetTitle(title);
  chart.UpdateImage();
  const gfx::TBitmap& image = chart.Image();
  const TChartAxis& left = chart.LeftAxis();
  int h = Height();
  int inked = 0;
  for (int x = 0; x < chart.PlotRect().Left; ++x) {
    for (int y = 0; y < 328; ++y) {
      gfx::TColor c = gfx::ColorOfPixel(image.At(x, y));
      // Anti-aliased ink: blue dominates, red and green follow each other.
      if (gfx::BlueOf(c) > 200 && gfx::RedOf(c) < 160) {
        ++inked;
        EXPECT_GE(x, left.TitlePixel() - h);
        EXPECT_LT(x, left.TitlePixel());
      }
    }
  }
  EXPECT_GT(inked, 20);
}
