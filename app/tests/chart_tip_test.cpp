// The chart's hover tip as the program shows it: the main window started as the
// program starts, pointer moves from the platform window, the headless clock
// running the application's hint pauses.
#include <gtest/gtest.h>

#include "app/form_dorvex.h"
#include "app/tests/boot_logs.h"
#include "bootlog/datetime.h"
#include "bootlog/fixture_source.h"
#include "chart/boot_chart.h"
#include "platform/headless/headless_platform.h"
#include "ui/application.h"
#include "ui/hints.h"

namespace {

// Three clean boots, oldest first on the chart: 3 h, 7.25 h, 12.5 h.
std::string ThreeBoots() {
  std::string t;
  auto boot = [&t](uint32_t start, uint32_t seconds) {
    t = std::to_string(6006) + " " + std::to_string(start + seconds) + "\n" + "6005 " +
        std::to_string(start) + "\n" + t;
  };
  boot(At(2024, 3, 4, 8, 0), 3 * 3600);
  boot(At(2024, 3, 5, 9, 0), 7 * 3600 + 900);
  boot(At(2024, 3, 7, 10, 0), 12 * 3600 + 1800);
  return t;
}

class ChartTip : public ::testing::Test {
 protected:
  ChartTip() {
    TFormDorvex::TSources sources;
    sources.OpenLog = []() -> std::unique_ptr<SessionSource> {
      return FixtureLogFromText(ThreeBoots(), "log");
    };
    form = std::make_unique<TFormDorvex>(app.ScreenDpi(), std::move(sources));
    app.MainForm = form.get();
    form->DoCreate();
    form->ShowWindow();
    window = platform.Windows().front();
    form->RzPageControl1->SetTabIndex(1);
    app.UpdateWindows();  // the chart tab's first paint places the bars
  }

  // A point of bar i in the window's client pixels.
  TPoint OnBar(int i, int dx = 0) {
    TBarSeries& s = Series1(form->Chart());
    return form->Chart().ClientToForm({s.PointXPos(i) + s.BarSize() / 2 + dx, s.OriginPos(i) - 2});
  }
  void Move(TPoint p) { window->Events->WindowMouseMove(0, p); }
  void Wait(uint64_t ms) { platform.Advance(app, ms); }
  bool Shown() { return app.Hints().HintVisible(); }
  const std::string& Text() { return app.Hints().HintText(); }

  headless::THeadlessPlatform platform;
  TApplication app{platform};
  std::unique_ptr<TFormDorvex> form;
  headless::THeadlessWindow* window = nullptr;
};

TEST_F(ChartTip, ShownAfterTheHintPauseBelowThePointerAndHiddenAfterTheHidePause) {
  ASSERT_EQ(Series1(form->Chart()).Count(), 3);
  TPoint p = OnBar(1);
  Move(p);
  EXPECT_EQ(form->Chart().Hint, "2024-03-05 7.25");
  Wait(499);
  EXPECT_FALSE(Shown());
  Wait(1);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Text(), "2024-03-05 7.25");
  headless::THeadlessWindow* tip = platform.WindowWithTitle("");
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(tip->Shown);
  TPoint screen = window->ClientToScreen(p);
  EXPECT_EQ(tip->Position, (TPoint{screen.X, screen.Y + THintManager::kPointerOffset}));
  Wait(2499);
  EXPECT_TRUE(Shown());
  Wait(1);
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(tip->Shown);
}

TEST_F(ChartTip, MovingWithinABarKeepsTheTip) {
  Move(OnBar(2));
  Wait(600);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Text(), "2024-03-07 12.5");
  Move(OnBar(2, 1));
  Move(OnBar(2, -1));
  EXPECT_TRUE(Shown());
  Wait(1000);
  EXPECT_TRUE(Shown());  // the hide pause runs from the showing, not from the move
  Wait(1400);
  EXPECT_FALSE(Shown());
}

TEST_F(ChartTip, AnotherBarReplacesTheTipAfterThePause) {
  Move(OnBar(0));
  Wait(600);
  ASSERT_EQ(Text(), "2024-03-04 3");
  Move(OnBar(1));
  EXPECT_FALSE(Shown());  // the old tip goes at once
  Wait(499);
  EXPECT_FALSE(Shown());
  Wait(1);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(Text(), "2024-03-05 7.25");
}

TEST_F(ChartTip, EmptyPlotSpaceAndLeavingTheWindowHideIt) {
  Move(OnBar(1));
  Wait(600);
  ASSERT_TRUE(Shown());
  const gfx::TRect& plot = form->Chart().PlotRect();
  Move(form->Chart().ClientToForm({plot.Left + 2, plot.Top + 2}));
  EXPECT_FALSE(Shown());
  EXPECT_EQ(form->Chart().Hint, "");
  Wait(3000);
  EXPECT_FALSE(Shown());  // nothing to show over empty space
  Move(OnBar(1));
  Wait(500);
  ASSERT_TRUE(Shown());
  window->Events->WindowMouseLeave();
  EXPECT_FALSE(Shown());
}

TEST_F(ChartTip, ZoomingPressHidesTheTipAndTheReleaseKeepsTheBarsHint) {
  Move(OnBar(1));
  Wait(600);
  ASSERT_TRUE(Shown());
  TPoint p = OnBar(1);
  window->Events->WindowMouseDown(mbLeft, ssLeft, p);
  EXPECT_FALSE(Shown());
  window->Events->WindowMouseUp(mbLeft, 0, p);
  EXPECT_FALSE(form->Chart().Zoomed());  // a click is no drag
  Move(p);
  Wait(500);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(Text(), "2024-03-05 7.25");
}

}  // namespace
