#include <gtest/gtest.h>

#include "chart_fixture.h"

namespace {
std::vector<std::string> Texts(const TChartAxis& axis) {
  std::vector<std::string> texts;
  for (const TAxisLabel& l : axis.DrawnLabels()) {
    texts.push_back(l.Text);
  }
  return texts;
}

}  // namespace

// The left axis fixed to lo .. hi with a label step of its own: no other step
// is tried, as the labels are not kept apart.
class ValueLabels : public ::testing::Test {
 protected:
  void Draw(double lo, double hi, double step) {
    TChartAxis& left = f.chart.LeftAxis();
    left.SetLabelsSeparation(0);
    left.SetIncrement(step);
    left.SetMinMax(lo, hi);
    f.Paint();
    ASSERT_EQ(left.LabelStep(), step);
  }
  ChartFixture f;
};

TEST_F(ValueLabels, FromTheTopMultipleDownToZero) {
  Draw(0, 7.53, 0.5);
  std::vector<std::string> expected;
  for (int i = 15; i >= 0; --i) {
    expected.push_back(FormatValue(i * 0.5));
  }
  EXPECT_EQ(Texts(f.chart.LeftAxis()), expected);
  EXPECT_EQ(expected.front(), "7.5");
  EXPECT_EQ(f.chart.LeftAxis().TickPixels().size(), 16u);
}

TEST_F(ValueLabels, TopLabelOnTheAxisEnd) {
  Draw(0, 8, 2);
  EXPECT_EQ(Texts(f.chart.LeftAxis()), (std::vector<std::string>{"8", "6", "4", "2", "0"}));
  EXPECT_EQ(f.chart.LeftAxis().DrawnLabels().front().Pixel, f.chart.LeftAxis().FirstPixel());
  EXPECT_EQ(f.chart.LeftAxis().DrawnLabels().back().Pixel, f.chart.LeftAxis().LastPixel());
}

TEST_F(ValueLabels, InexactStepStillReachesZero) {
  Draw(0, 0.5, 0.1);
  EXPECT_EQ(Texts(f.chart.LeftAxis()),
            (std::vector<std::string>{"0.5", "0.4", "0.3", "0.2", "0.1", "0"}));
}

TEST_F(ValueLabels, ZeroRangeDrawsOneLabel) {
  f.Paint();  // empty series: 0 .. 0
  ASSERT_EQ(Texts(f.chart.LeftAxis()), (std::vector<std::string>{"0"}));
  EXPECT_EQ(f.chart.LeftAxis().DrawnLabels()[0].Pixel, f.chart.LeftAxis().CenterPixel());
  Draw(5, 5, 1);  // a fixed range is at least 1e-10 wide: one label all the same
  ASSERT_EQ(Texts(f.chart.LeftAxis()), (std::vector<std::string>{"5"}));
}

TEST_F(ValueLabels, TooManyStepsDrawNothing) {
  Draw(0, 10000, 1);
  EXPECT_TRUE(f.chart.LeftAxis().DrawnLabels().empty());
  Draw(0, 9999, 1);
  EXPECT_EQ(f.chart.LeftAxis().DrawnLabels().size(), 10000u);
}

TEST(AxisLabels, EmptySeriesDrawsOneZeroPerAxisAtTheCentre) {
  ChartFixture f;
  f.Paint();
  for (TChartAxis* axis : {&f.chart.BottomAxis(), &f.chart.LeftAxis()}) {
    EXPECT_EQ(axis->ResolveLabelStyle(), talValue);
    ASSERT_EQ(Texts(*axis), (std::vector<std::string>{"0"}));
    EXPECT_EQ(axis->DrawnLabels()[0].Pixel, axis->CenterPixel());
    EXPECT_EQ(axis->TickPixels(), (std::vector<int32_t>{axis->CenterPixel()}));
  }
}

TEST(AxisLabels, BottomShowsDatesOnceAnyPointHasALabel) {
  ChartFixture f;
  f.Series().Add(1);
  f.Series().Add(2, "2024-03-05");
  EXPECT_EQ(f.chart.BottomAxis().ResolveLabelStyle(), talText);
  EXPECT_EQ(f.chart.LeftAxis().ResolveLabelStyle(), talValue);
  f.Paint();
  // The point without a label gets neither label nor tick.
  EXPECT_EQ(Texts(f.chart.BottomAxis()), (std::vector<std::string>{"2024-03-05"}));
  EXPECT_EQ(f.chart.BottomAxis().TickPixels().size(), 1u);
}

TEST(AxisLabels, LeftLabelsAreMultiplesOfTheStepBelowTheHighestBar) {
  ChartFixture f;
  f.AddHours({3.2, 7.53, 1});
  f.Paint();
  const TChartAxis& left = f.chart.LeftAxis();
  ASSERT_FALSE(left.DrawnLabels().empty());
  double step = left.LabelStep();
  EXPECT_LE(left.DrawnLabels().front().Value, 7.53);
  EXPECT_GT(left.DrawnLabels().front().Value + step, 7.53);
  EXPECT_EQ(left.DrawnLabels().back().Text, "0");
  for (const TAxisLabel& l : left.DrawnLabels()) {
    double q = l.Value / step;
    EXPECT_NEAR(q, std::round(q), 1e-9) << l.Text;
  }
  EXPECT_EQ(left.DrawnLabels().back().Pixel, left.LastPixel());
}

// The greedy rule, checked by its properties: the first point is drawn, each
// drawn label clears the previous drawn one, and each skipped one does not.
TEST(AxisLabels, CollidingDateLabelsAreSkippedLeftToRight) {
  ChartFixture f(300, 200);
  std::vector<double> hours(40, 2.0);
  f.AddHours(hours);
  f.Series().Add(3, "2024-03-05");  // a repeated date is an ordinary label
  f.Paint();
  const TChartAxis& bottom = f.chart.BottomAxis();
  ASSERT_GE(bottom.DrawnLabels().size(), 2u);
  ASSERT_LT(bottom.DrawnLabels().size(), 41u);
  EXPECT_EQ(bottom.DrawnLabels()[0].Text, "2024-03-01");
  std::vector<int32_t> pixels;
  for (const TAxisLabel& l : bottom.DrawnLabels()) {
    pixels.push_back(l.Pixel);
  }
  EXPECT_EQ(bottom.TickPixels(), pixels);  // ticks only on drawn labels

  size_t drawn = 0;
  int prevPixel = bottom.DrawnLabels()[0].Pixel;
  int prevHalf = f.TextWidth("2024-03-01") / 2;
  for (int i = 1; i < f.Series().Count(); ++i) {
    std::string text = f.Series().PointLabel(i);
    int p = bottom.ValueToPixel(i);
    int s = f.TextWidth(text);
    int e = (s + static_cast<int>(s * 0.02 * 10)) / 2;
    bool fits = p - e >= prevPixel + prevHalf;
    bool isDrawn =
        drawn + 1 < bottom.DrawnLabels().size() && bottom.DrawnLabels()[drawn + 1].Value == i;
    EXPECT_EQ(fits, isDrawn) << "point " << i;
    if (isDrawn) {
      ++drawn;
      prevPixel = p;
      prevHalf = e;
    }
  }
  EXPECT_EQ(drawn + 1, bottom.DrawnLabels().size());
}

// At the 1e-10 zoom floor around 1e5 a step no longer moves the value.
TEST_F(ValueLabels, StepsBelowTheValuesPrecisionEnd) {
  Draw(2e5, 2e5 + 1e-10, 1e-11);
  EXPECT_LE(f.chart.LeftAxis().DrawnLabels().size(), 11u);
  Draw(-2e5 - 1e-10, -2e5, 1e-11);
  EXPECT_LE(f.chart.LeftAxis().DrawnLabels().size(), 11u);
}

TEST(AxisLabels, LabelSizesAlongTheAxis) {
  ChartFixture f;
  EXPECT_EQ(f.chart.BottomAxis().LabelSize(1234.5), f.TextWidth("1,234.5"));
  EXPECT_EQ(f.chart.LeftAxis().LabelSize(1234.5), f.FontHeight());
}

// Measured widths are kept between paints; a refill or another font must not
// place labels by the widths of texts that are gone.
TEST(AxisLabels, RefillsAndFontsPlaceLabelsByTheirOwnWidths) {
  auto fill = [](ChartFixture& f, const std::string& text) {
    f.Series().Clear();
    for (int i = 0; i < 60; ++i) {
      f.Series().Add(1, text + std::to_string(i % 10));
    }
  };
  ChartFixture kept(400, 200), fresh(400, 200);
  fill(kept, "a");
  kept.Paint();
  size_t narrow = kept.chart.BottomAxis().DrawnLabels().size();
  fill(kept, "wide label ");
  fill(fresh, "wide label ");
  kept.Paint();
  fresh.Paint();
  EXPECT_LT(kept.chart.BottomAxis().DrawnLabels().size(), narrow);
  EXPECT_EQ(Texts(kept.chart.BottomAxis()), Texts(fresh.chart.BottomAxis()));
  gfx::TFont big = kept.chart.BottomAxis().LabelsFont();
  big.Height = 22;
  kept.chart.BottomAxis().SetLabelsFont(big);
  fresh.chart.BottomAxis().SetLabelsFont(big);
  ChartFixture other(400, 200);
  other.chart.BottomAxis().SetLabelsFont(big);
  fill(other, "wide label ");
  kept.Paint();
  other.Paint();
  EXPECT_EQ(Texts(kept.chart.BottomAxis()), Texts(other.chart.BottomAxis()));
}
