#include <gtest/gtest.h>

#include <string>

#include "gfx/shading.h"
#include "ui/form_dorvex_layout.h"
#include "ui/tests/ui_fixture.h"

namespace {

class StatusBarRulesTest : public UiTest {
 protected:
  TFormDorvexLayout form;
};

TEST_F(StatusBarRulesTest, AllFourFrameCornersStayOpen) {
  form.ShowWindow();
  form.UpdateWindow();
  const gfx::TBitmap& img = form.Image();
  TPoint o = form.RzStatusPane2->ClientToForm({0, 0});
  gfx::TColor frame = gfx::ColorToRGB(gfx::Lighten(gfx::clBtnShadow, 30));
  gfx::TColor face = gfx::ColorToRGB(gfx::clBtnFace);
  // Frame rectangle 1,1 .. 99,18 (exclusive): corners open, edges start next to them.
  for (TPoint c : {TPoint{1, 1}, TPoint{98, 1}, TPoint{1, 17}, TPoint{98, 17}}) {
    EXPECT_EQ(PixelAt(img, o.X + c.X, o.Y + c.Y), face) << c.X << "," << c.Y;
  }
  for (TPoint e : {TPoint{1, 2}, TPoint{2, 1}, TPoint{97, 1}, TPoint{98, 2}, TPoint{98, 16},
                   TPoint{97, 17}, TPoint{2, 17}, TPoint{1, 16}}) {
    EXPECT_EQ(PixelAt(img, o.X + e.X, o.Y + e.Y), frame) << e.X << "," << e.Y;
  }
  // The bar's margin row and column outside the frame stay the bar's fill.
  EXPECT_EQ(PixelAt(img, o.X + 50, o.Y + 0), face);
  EXPECT_EQ(PixelAt(img, o.X + 50, o.Y + 18), face);
  EXPECT_EQ(PixelAt(img, o.X + 99, o.Y + 10), face);
}

TEST_F(StatusBarRulesTest, CaptionSitsAtFiveAndIsCentredOnPpHeight) {
  const std::string text = "总时数:123.4";
  auto* pane = form.RzStatusPane3;
  pane->SetCaption(text);
  form.ShowWindow();
  form.UpdateWindow();
  // The same caption drawn by hand where the rules put it: x = 5, y = 2 + (15 - h("Pp")) / 2.
  TRect area = pane->CaptionRect();
  ASSERT_EQ(area, (TRect{2, 2, 98, 17}));
  int h = Measure(pane->Font(), "Pp").Height;
  gfx::TBitmap expected(pane->Width(), pane->Height());
  gfx::TCanvas canvas(expected);
  canvas.FillRect(pane->ClientRect(), gfx::clBtnFace);
  canvas.Font = pane->Font();
  canvas.TextRect(area, 5, 2 + (area.Height() - h) / 2, text);
  TPoint o = pane->ClientToForm({0, 0});
  int differing = 0, ink = 0;
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      differing += PixelAt(form.Image(), o.X + x, o.Y + y) != PixelAt(expected, x, y);
      ink += PixelAt(expected, x, y) != gfx::ColorToRGB(gfx::clBtnFace);
    }
  }
  EXPECT_GT(ink, 0);
  EXPECT_EQ(differing, 0);
}

TEST_F(StatusBarRulesTest, TheFirstPaintShowsTheTimeBeforeAnyTick) {
  auto* clock = form.RzClockStatus1;
  int calls = 0;
  clock->Now = [] { return 45658.5; };
  clock->SetDateTimeText([&](double, const std::string&) {
    ++calls;
    return std::string("2025/1/1 12:00:00");
  });
  EXPECT_EQ(clock->Caption(), "2025/1/1 12:00:00");  // at once, not when painted
  form.ShowWindow();
  form.UpdateWindow();
  EXPECT_EQ(clock->Caption(), "2025/1/1 12:00:00");
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(form.HasDirtyAreas());  // the first paint showed it: no second one
  // The next poll finds the same text and repaints nothing.
  Advance(500);
  EXPECT_EQ(calls, 2);
  EXPECT_FALSE(form.HasDirtyAreas());
}

TEST_F(StatusBarRulesTest, APaneWithAHiddenParentIsStillPolled) {
  auto* clock = form.RzClockStatus1;
  double now = 45658.0;
  clock->Now = [&] { return now; };
  clock->SetDateTimeText([](double v, const std::string&) { return std::to_string(v); });
  std::string before = clock->LastText();
  // The pane itself stays visible while its bar is hidden.
  form.RzStatusBar1->Hide();
  now += 1.0;
  Advance(500);
  EXPECT_NE(clock->LastText(), before);
}

}  // namespace

namespace {

class GripSharingTest : public UiTest {
 protected:
  TFormDorvexLayout form;
};

TEST_F(GripSharingTest, APaneEndingAtTheGripLeavesItsLastTwelvePixelsToTheBar) {
  form.ShowWindow();
  auto* bar = form.RzStatusBar1;
  auto* last = form.RzStatusPane4;
  EXPECT_FALSE(last->ReachesSizeGrip());  // no pane of the main window reaches that far
  TRect before = last->CaptionRect();
  last->SetAlign(alNone);
  last->SetBounds(bar->Width() - 200, 0, 200, bar->Height());
  ASSERT_TRUE(last->ReachesSizeGrip());
  EXPECT_EQ(last->CaptionRect().Right, before.Right - 12);
  EXPECT_EQ(bar->ControlAtPos({bar->Width() - 5, 10}), bar);
  EXPECT_EQ(bar->ControlAtPos({bar->Width() - 13, 10}), last);
  form.WindowMouseMove(0, bar->ClientToForm({bar->Width() - 5, 10}));
  EXPECT_EQ(form.CurrentCursor(), crSizeNWSE);
  // Maximised, the grip is gone and the pane keeps its whole width.
  platform.Windows().front()->IsMaximized = true;
  EXPECT_FALSE(last->ReachesSizeGrip());
  EXPECT_EQ(bar->ControlAtPos({bar->Width() - 5, 10}), last);
  EXPECT_EQ(last->CaptionRect().Right, before.Right);
}

}  // namespace
