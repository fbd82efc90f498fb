#include <gtest/gtest.h>

#include <string>

#include "gfx/shading.h"
#include "ui/form_dorvex_layout.h"
#include "ui/tests/ui_fixture.h"

namespace {

class StatusBarTest : public UiTest {
 protected:
  StatusBarTest() { form.ShowWindow(); }
  TFormDorvexLayout form;
};

TEST_F(StatusBarTest, PaneFrameWithOpenCornersAndTheCaptionAtFive) {
  form.RzStatusPane1->SetCaption("记录数:3");
  form.UpdateWindow();
  const gfx::TBitmap& img = form.Image();
  TPoint o = form.RzStatusPane1->ClientToForm({0, 0});
  gfx::TColor frame = gfx::ColorToRGB(gfx::Lighten(gfx::clBtnShadow, 30));
  gfx::TColor face = gfx::ColorToRGB(gfx::clBtnFace);
  // Frame inside the 1-pixel border: left edge at x = 1 from y = 2 to 16.
  EXPECT_EQ(PixelAt(img, o.X + 1, o.Y + 2), frame);
  EXPECT_EQ(PixelAt(img, o.X + 1, o.Y + 16), frame);
  EXPECT_EQ(PixelAt(img, o.X + 1, o.Y + 1), face);  // open corner
  EXPECT_EQ(PixelAt(img, o.X + 2, o.Y + 1), frame);
  EXPECT_EQ(PixelAt(img, o.X + 98, o.Y + 10), frame);
  EXPECT_EQ(PixelAt(img, o.X + 50, o.Y + 17), frame);
  EXPECT_EQ(PixelAt(img, o.X + 0, o.Y + 10), face);  // the blank margin
  EXPECT_EQ(form.RzStatusPane1->CaptionRect(), (TRect{2, 2, 98, 17}));
  // Some ink where the caption starts (x = 5), none left of it.
  bool ink = false;
  for (int y = o.Y + 2; y < o.Y + 17; ++y) {
    for (int x = o.X + 5; x < o.X + 12; ++x) {
      ink |= PixelAt(img, x, y) != face;
    }
    EXPECT_EQ(PixelAt(img, o.X + 4, y), face);
  }
  EXPECT_TRUE(ink);
}

TEST_F(StatusBarTest, SettingTheSameCaptionRepaintsNothing) {
  form.RzStatusPane2->SetCaption("天数:9");
  form.UpdateWindow();
  form.RzStatusPane2->SetCaption("天数:9");
  EXPECT_FALSE(form.HasDirtyAreas());
  form.RzStatusPane2->SetCaption("天数:10");
  ASSERT_TRUE(form.HasDirtyAreas());
  EXPECT_EQ(form.DirtyAreas()[0], form.RzStatusPane2->FormRect());
}

TEST_F(StatusBarTest, ALongCaptionIsClippedInsideItsFrame) {
  gfx::TColor face = gfx::ColorToRGB(gfx::clBtnFace);
  form.RzStatusPane3->SetCaption(std::string(60, 'W'));
  form.UpdateWindow();
  TPoint next = form.RzStatusPane4->ClientToForm({0, 0});
  for (int y = next.Y; y < next.Y + 19; ++y) {
    EXPECT_EQ(PixelAt(form.Image(), next.X, y), face);
    EXPECT_EQ(PixelAt(form.Image(), next.X - 1, y), face);  // the next pane's margin
  }
}

TEST_F(StatusBarTest, SizeGripDotsPointerAndDrag) {
  auto* bar = form.RzStatusBar1;
  const gfx::TBitmap& img = form.Image();
  TPoint o = bar->ClientToForm({0, 0});
  int r = bar->Width() - 1, b = bar->Height() - 1;
  // Each dot: shadow over its top-left, its light edge left at the lower right.
  EXPECT_EQ(PixelAt(img, o.X + r - 4, o.Y + b - 11), gfx::ColorToRGB(gfx::clBtnHighlight));
  EXPECT_EQ(PixelAt(img, o.X + r - 5, o.Y + b - 12), gfx::ColorToRGB(gfx::clBtnShadow));
  EXPECT_EQ(PixelAt(img, o.X + r - 6, o.Y + b - 13), gfx::ColorToRGB(gfx::clBtnShadow));
  EXPECT_EQ(PixelAt(img, o.X + r - 14, o.Y + b - 5), gfx::ColorToRGB(gfx::clBtnShadow));
  EXPECT_EQ(PixelAt(img, o.X + r - 9, o.Y + b - 12), gfx::ColorToRGB(gfx::clBtnFace));

  form.WindowMouseMove(0, bar->ClientToForm({bar->Width() - 5, 10}));
  EXPECT_EQ(form.CurrentCursor(), crSizeNWSE);
  form.WindowMouseMove(0, bar->ClientToForm({bar->Width() - 20, 10}));
  EXPECT_EQ(form.CurrentCursor(), crArrow);
  auto* window = platform.Windows().front();
  form.WindowMouseDown(mbLeft, ssLeft, bar->ClientToForm({bar->Width() - 3, 15}));
  form.WindowMouseUp(mbLeft, 0, bar->ClientToForm({bar->Width() - 3, 15}));
  EXPECT_EQ(window->ResizeDrags, 1);

  // Maximised: no grip, no reaction.
  window->IsMaximized = true;
  bar->Invalidate();
  form.UpdateWindow();
  EXPECT_EQ(PixelAt(img, o.X + r - 4, o.Y + b - 11), gfx::ColorToRGB(gfx::clBtnFace));
  form.WindowMouseMove(0, bar->ClientToForm({bar->Width() - 5, 10}));
  EXPECT_EQ(form.CurrentCursor(), crArrow);
  form.WindowMouseDown(mbLeft, ssLeft, bar->ClientToForm({bar->Width() - 3, 15}));
  form.WindowMouseUp(mbLeft, 0, bar->ClientToForm({bar->Width() - 3, 15}));
  EXPECT_EQ(window->ResizeDrags, 1);
}

TEST_F(StatusBarTest, ClockPolledEveryHalfSecondRepaintsOnlyWhenTheTextChanges) {
  auto* clock = form.RzClockStatus1;
  int calls = 0;
  double now = 45658.0;  // midnight
  clock->Now = [&] { return now; };
  clock->SetDateTimeText([&](double v, const std::string& format) {
    ++calls;
    int secs = static_cast<int>((v - 45658.0) * 86400.0 + 0.5);
    return format + (secs == 0 ? std::string("2025/1/1") : "2025/1/1 0:00:" + std::to_string(secs));
  });
  EXPECT_EQ(clock->Caption(), "2025/1/1");
  form.UpdateWindow();
  Advance(500);
  EXPECT_EQ(calls, 2);
  EXPECT_FALSE(form.HasDirtyAreas());
  now += 1.0 / 86400.0;
  Advance(499);
  EXPECT_EQ(clock->Caption(), "2025/1/1");
  platform.Ticks += 1;
  AppTimers().RunDue();
  EXPECT_EQ(clock->Caption(), "2025/1/1 0:00:1");
  EXPECT_TRUE(form.HasDirtyAreas());
  clock->SetFormat("F ");
  EXPECT_EQ(clock->Caption(), "F 2025/1/1 0:00:1");
  // A hidden pane is skipped and keeps its text.
  clock->Hide();
  now += 5.0 / 86400.0;
  Advance(1000);
  EXPECT_EQ(clock->LastText(), "F 2025/1/1 0:00:1");
}

TEST_F(StatusBarTest, OnePollingTimerForAllClockPanes) {
  EXPECT_EQ(TRzClockStatus::PollingPaneCount(), 1);
  size_t timers = AppTimers().Count();
  {
    TRzClockStatus second;
    EXPECT_EQ(TRzClockStatus::PollingPaneCount(), 2);
    EXPECT_EQ(AppTimers().Count(), timers);
  }
  EXPECT_EQ(TRzClockStatus::PollingPaneCount(), 1);
}

}  // namespace
