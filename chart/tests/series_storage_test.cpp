#include <gtest/gtest.h>

#include "chart/bar_series.h"
#include "chart/chart.h"
#include "chart/palette.h"

using namespace gfx;

TEST(ValueList, AscendingInsertKeepsEqualValuesInInsertionOrder) {
  TChartValueList list("X", loAscending);
  for (double v : {1.0, 3.0, 3.0, 5.0}) {
    list.InsertOrdered(v);
  }
  EXPECT_EQ(list.InsertOrdered(3.0), 3);  // after the equal ones
  EXPECT_EQ(list.InsertOrdered(0.5), 0);
  std::vector<double> values;
  for (int i = 0; i < list.Count(); ++i) {
    values.push_back(list.ValueAt(i));
  }
  EXPECT_EQ(values, (std::vector<double>{0.5, 1, 3, 3, 3, 5}));
}

TEST(ValueList, DescendingAndNoneOrders) {
  TChartValueList down("Y", loDescending);
  for (double v : {5.0, 2.0, 4.0}) {
    down.InsertOrdered(v);
  }
  EXPECT_EQ(down.ValueAt(0), 5);
  EXPECT_EQ(down.ValueAt(1), 4);
  EXPECT_EQ(down.ValueAt(2), 2);
  TChartValueList none("Y", loNone);
  for (double v : {5.0, 2.0, 4.0}) {
    none.InsertOrdered(v);
  }
  EXPECT_EQ(none.ValueAt(2), 4);
}

TEST(ValueList, GrowsInStepsOfAThousandAndRecomputesStatistics) {
  TChartValueList list("Y", loNone);
  EXPECT_EQ(list.Capacity(), 0);
  list.InsertAt(0, -2);
  EXPECT_EQ(list.Capacity(), 1000);
  for (int i = 1; i < 1000; ++i) {
    list.InsertAt(i, i);
  }
  EXPECT_EQ(list.Capacity(), 1000);
  list.InsertAt(1000, 0.5);
  EXPECT_EQ(list.Capacity(), 2000);
  EXPECT_EQ(list.Lowest(), -2);
  EXPECT_EQ(list.Highest(), 999);
  EXPECT_EQ(list.Sum(), 999.0 * 1000 / 2 - 2 + 0.5);
  EXPECT_EQ(list.AbsSum(), 999.0 * 1000 / 2 + 2 + 0.5);
  list.InsertAt(0, 5000);  // a change is seen by the next query
  EXPECT_EQ(list.Highest(), 5000);
  list.RemoveAll();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Lowest(), 0);
  EXPECT_EQ(list.Highest(), 0);
}

class SeriesTest : public ::testing::Test {
 protected:
  SeriesTest() {
    auto s = std::make_unique<TBarSeries>();
    s->SetColorEachPoint(true);
    series = static_cast<TBarSeries*>(&chart.AddSeries(std::move(s)));
  }
  TChart chart;
  TBarSeries* series;
};

TEST_F(SeriesTest, AddGivesAutomaticXFromTheCount) {
  EXPECT_EQ(series->Add(7.25), 0);
  EXPECT_EQ(series->XValue(0), 0);
  EXPECT_EQ(series->Add(1.5), 1);
  EXPECT_EQ(series->Add(3), 2);
  EXPECT_EQ(series->XValue(2), 2);
  series->Clear();
  EXPECT_EQ(series->Count(), 0);
  EXPECT_EQ(series->FirstVisibleIndex(), -1);
  EXPECT_EQ(series->LastVisibleIndex(), -1);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(series->Add(i), i);
  }
  EXPECT_EQ(series->XValue(3), 3);
}

TEST_F(SeriesTest, AddPointInsertsValuesLabelAndColourAtTheOrderedIndex) {
  series->AddPoint(0, 10, "a");
  series->AddPoint(2, 20, "c");
  series->AddPoint(2, 25, "d");
  int index = series->AddPoint(1, 15, "b", clBlue);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(series->YValue(1), 15);
  EXPECT_EQ(series->PointLabel(1), "b");
  EXPECT_EQ(series->PointColor(1), clBlue);
  EXPECT_EQ(series->PointLabel(2), "c");
  EXPECT_EQ(series->PointLabel(3), "d");
  EXPECT_EQ(series->YValue(3), 25);
  // The others keep their automatic colours by their new positions.
  EXPECT_EQ(series->PointColor(0), clRed);
  EXPECT_EQ(series->PointColor(2), clYellow);
}

TEST_F(SeriesTest, LabelsAreStoredSparsely) {
  series->Add(1, "");
  EXPECT_TRUE(series->Labels().empty());
  EXPECT_EQ(series->PointLabel(0), "");
  EXPECT_EQ(series->PointLabel(7), "");
  for (int i = 1; i < 5; ++i) {
    series->Add(i);
  }
  series->Add(5, "2024-03-05");
  ASSERT_EQ(series->Labels().size(), 6u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(series->PointLabel(i), "");
  }
  EXPECT_EQ(series->PointLabel(5), "2024-03-05");
  series->Add(6);  // once the list exists, empty labels take a place too
  EXPECT_EQ(series->Labels().size(), 7u);
}

TEST_F(SeriesTest, ColourListOnlyForExplicitColours) {
  for (int i = 0; i < 3; ++i) {
    series->Add(i, "", clDefault);
  }
  EXPECT_FALSE(series->HasColorList());
  series->Add(3, "", clPurple);
  EXPECT_TRUE(series->HasColorList());
  EXPECT_EQ(series->PointColor(0), clRed);
  EXPECT_EQ(series->PointColor(2), clYellow);
  EXPECT_EQ(series->PointColor(3), clPurple);
  series->Clear();
  EXPECT_FALSE(series->HasColorList());
}

TEST_F(SeriesTest, PaletteColoursByIndex) {
  for (int i = 0; i < 21; ++i) {
    series->Add(i);
  }
  EXPECT_EQ(series->PointColor(0), 0x0000FFu);
  EXPECT_EQ(series->PointColor(1), 0x008000u);
  EXPECT_EQ(series->PointColor(2), 0x00FFFFu);
  EXPECT_EQ(series->PointColor(3), 0xFF0000u);
  EXPECT_EQ(series->PointColor(4), 0xFFFFFFu);
  EXPECT_EQ(series->PointColor(19), 0xA4A0A0u);
  EXPECT_EQ(series->PointColor(20), 0x0000FFu);
  series->SetColorEachPoint(false);
  EXPECT_EQ(series->PointColor(4), series->SeriesColor());
  EXPECT_EQ(series->SeriesColor(), clRed);  // first palette colour when added
}

TEST_F(SeriesTest, BarRangeIncludesTheOrigin) {
  EXPECT_EQ(series->LowestY(), 0);
  EXPECT_EQ(series->HighestY(), 0);
  series->Add(1.5);
  series->Add(7.25);
  EXPECT_EQ(series->LowestY(), 0);
  EXPECT_EQ(series->HighestY(), 7.25);
  series->Clear();
  series->Add(-2);
  EXPECT_EQ(series->LowestY(), -2);
  EXPECT_EQ(series->HighestY(), 0);
}

TEST_F(SeriesTest, ChangesRequestARepaint) {
  chart.SetBounds(0, 0, 100, 100);
  chart.UpdateImage();
  EXPECT_FALSE(chart.IsImageStale());
  series->Add(1);
  EXPECT_TRUE(chart.IsImageStale());
  chart.UpdateImage();
  series->Clear();
  EXPECT_TRUE(chart.IsImageStale());
  chart.UpdateImage();
  series->SetActive(false);  // its bars go
  EXPECT_TRUE(chart.IsImageStale());
  chart.UpdateImage();
  series->Add(2);  // an inactive series asks for nothing
  EXPECT_FALSE(chart.IsImageStale());
}
