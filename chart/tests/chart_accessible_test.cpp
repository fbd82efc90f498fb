#include <gtest/gtest.h>

#include "chart_fixture.h"
#include "failing_engine.h"
#include "platform/headless/headless_platform.h"
#include "ui/application.h"
#include "ui/control_accessible.h"

namespace {

// A screen reader asking about the chart's bars in a running program: what it is
// told matches the paint, and asking never hides an error of that paint.
class ChartAccessible : public ::testing::Test {
 protected:
  ChartAccessible() { f.form.ShowWindow(); }

  TAccessible& Bar(int i) { return *f.chart.Accessible()->Child(i); }
  TPoint ScreenOrigin() { return f.form.Window()->ClientToScreen({0, 0}); }

  headless::THeadlessPlatform platform;
  TApplication app{platform};
  FailingEngine engine;
  ChartFixture f{669, 328, &engine};
};

TEST_F(ChartAccessible, ABarIsWhereTheLastPaintPutItAndThePaintTellsTheReader) {
  f.AddHours({2, 8, 5});
  ASSERT_TRUE(f.form.HasDirtyAreas());
  // Not painted yet: the new bars have no place, and asking paints nothing.
  EXPECT_TRUE(Bar(1).ScreenBounds().IsEmpty());
  EXPECT_TRUE(f.form.HasDirtyAreas());
  auto* window = static_cast<headless::THeadlessWindow*>(f.form.Window());
  window->AccEvents.clear();
  // The loop's paint, then its next turn: the reader hears the bars moved.
  f.form.UpdateWindow();
  f.form.SendAccessibilityEvents();
  ASSERT_EQ(window->AccEvents.size(), 1u);
  EXPECT_EQ(window->AccEvents[0].Event, TAccEvent::StateChange);
  EXPECT_EQ(window->AccEvents[0].Id, f.chart.Accessible()->Id());
  const TRect asked = Bar(1).ScreenBounds();
  const TRect bar = f.Series().BarBounds(1);
  EXPECT_EQ(asked.Left, bar.Left + ScreenOrigin().X);
  EXPECT_EQ(asked.Right, bar.Right + ScreenOrigin().X);
  EXPECT_EQ(asked.Bottom, std::max(bar.Top, bar.Bottom) + ScreenOrigin().Y);
  EXPECT_TRUE(platform.MessageBoxes.empty());
}

TEST_F(ChartAccessible, AnErrorOfThePaintIsTheLoopsToShowNotTheReaders) {
  f.AddHours({2, 8, 5});
  engine.FailAfter = 0;
  (void)Bar(0).States();
  (void)Bar(1).ScreenBounds();
  EXPECT_TRUE(platform.MessageBoxes.empty());
  EXPECT_TRUE(f.chart.IsImageStale());
  f.form.UpdateWindow();
  ASSERT_EQ(platform.MessageBoxes.size(), 1u);
  EXPECT_EQ(platform.MessageBoxes[0].Text, "Error creating font.");
}

TEST_F(ChartAccessible, ABarOfAHiddenChartPaintsNothing) {
  f.chart.SetVisible(false);
  f.form.UpdateWindow();
  f.AddHours({2, 8, 5});
  engine.FailAfter = 0;  // any paint would fail and show a box
  (void)Bar(0).ScreenBounds();
  EXPECT_TRUE(platform.MessageBoxes.empty());
  EXPECT_TRUE(f.chart.IsImageStale());
}

}  // namespace
