#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/scale.h"
#include "ui/form_dorvex_layout.h"
#include "ui/tests/ui_fixture.h"

namespace {

using LayoutTest = UiTest;

// What is under the pointer, through the window's own input routing: the name of
// the control a move at `p` (client pixels) reaches.
std::string Under(TForm& form, TPoint p) {
  form.WindowMouseMove(0, p);
  const TControl* c = form.MouseControl();
  return c ? c->Name : "<none>";
}

struct TSpot {
  TPoint At;
  const char* Name;
};

void ExpectUnder(TForm& form, const std::vector<TSpot>& spots) {
  for (const TSpot& s : spots) {
    EXPECT_EQ(Under(form, s.At), s.Name) << "at " << s.At.X << "," << s.At.Y;
  }
}

// A point given in the pixels of the first page's sheet.
TPoint OnSheet(TFormDorvexLayout& form, int x, int y) {
  return form.TabSheet1->ClientToForm({x, y});
}

TEST_F(LayoutTest, ThePointerFindsEachControlAtItsPlaceAt96Dpi) {
  TFormDorvexLayout form;
  form.ShowWindow();
  ExpectUnder(form, {{{0, 30}, "RzToolbar1"},
                     {{4, 0}, "TBRefresh"},
                     {{83, 59}, "TBRefresh"},
                     {{109, 30}, "TBAbout"},
                     {{4, 60}, "RzPageControl1"},
                     {{0, 456}, "RzClockStatus1"},
                     {{149, 474}, "RzClockStatus1"},
                     {{150, 460}, "RzStatusPane1"},
                     {{250, 460}, "RzStatusPane2"},
                     {{350, 460}, "RzStatusPane3"},
                     {{450, 460}, "RzStatusPane4"},
                     {{640, 460}, "RzStatusPane4"},
                     {{660, 460}, "RzStatusBar1"}});
  ExpectUnder(form, {{OnSheet(form, 7, 4), "Panel1"},
                     {OnSheet(form, 8, 4), "Image1"},
                     {OnSheet(form, 39, 35), "Image1"},
                     {OnSheet(form, 40, 35), "Panel1"},
                     {OnSheet(form, 48, 13), "Label1"},
                     {OnSheet(form, 192, 28), "Label1"},
                     {OnSheet(form, 288, 16), "LabTime"},
                     {OnSheet(form, 416, 16), "LabTimeText"},
                     {OnSheet(form, 648, 29), "LabTimeText"},
                     {OnSheet(form, 0, 39), "Panel1"},
                     {OnSheet(form, 0, 40), "RzLWMsg"},
                     {OnSheet(form, 668, 368), "RzLWMsg"}});
  // The sheet fills the page under its tabs, 669 x 369.
  EXPECT_EQ(Under(form, OnSheet(form, 669, 100)), "RzPageControl1");
  EXPECT_EQ(Under(form, OnSheet(form, 100, 369)), "RzPageControl1");

  form.RzPageControl1->SetTabIndex(1);
  const auto onChartSheet = [&](int x, int y) { return form.TabSheet2->ClientToForm({x, y}); };
  ExpectUnder(form, {{onChartSheet(8, 4), "Image2"},
                     {onChartSheet(56, 13), "Label2"},
                     {onChartSheet(55, 13), "Panel2"},
                     {onChartSheet(0, 40), "Panel2"},
                     {onChartSheet(0, 41), "Chart1"},
                     {onChartSheet(668, 368), "Chart1"}});
}

TEST_F(LayoutTest, ResizingKeepsBandHeightsAndHeaderPositions) {
  TFormDorvexLayout form;
  form.ShowWindow();
  form.SetClientSize(800, 600);
  form.UpdateWindow();
  EXPECT_EQ(form.Image().Width(), 800);
  ExpectUnder(form, {{{2, 59}, "RzToolbar1"},
                     {{2, 60}, "RzPageControl1"},
                     {{10, 581}, "RzClockStatus1"},
                     {{450, 599}, "RzStatusPane4"},
                     {{700, 590}, "RzStatusBar1"},
                     {OnSheet(form, 795, 39), "Panel1"},
                     {OnSheet(form, 795, 40), "RzLWMsg"},
                     {OnSheet(form, 648, 16), "LabTimeText"},
                     {OnSheet(form, 649, 16), "Panel1"}});
  // Narrow: the label keeps its place and the panel's edge cuts it.
  form.SetClientSize(600, 475);
  EXPECT_EQ(Under(form, OnSheet(form, 416, 16)), "LabTimeText");
  EXPECT_EQ(Under(form, OnSheet(form, 596, 16)), "RzPageControl1");
}

TEST_F(LayoutTest, ScalesEverythingAtAnotherResolution) {
  TFormDorvexLayout form(144);
  form.ShowWindow();
  auto* w = platform.WindowWithTitle("Dorvex");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->ClientSize(), (TSize{1010, 713}));  // 673 x 475 at 1.5, rounded
  ExpectUnder(form, {{{5, 45}, "RzToolbar1"},
                     {{6, 0}, "TBRefresh"},
                     {{125, 89}, "TBRefresh"},
                     {{164, 45}, "TBAbout"},
                     {{6, 90}, "RzPageControl1"},
                     {{10, 684}, "RzClockStatus1"},
                     {{675, 700}, "RzStatusPane4"},
                     {OnSheet(form, 12, 6), "Image1"},
                     {OnSheet(form, 59, 53), "Image1"},
                     {OnSheet(form, 60, 53), "Panel1"}});
  // Text grows with the resolution as the fonts do.
  TFormDorvexLayout small;
  gfx::TFont grown = small.Label1->Font;
  grown.Height = gfx::MulDiv(grown.Height, 3, 2);
  EXPECT_EQ(Measure(form.Label1->Font, "开机/关机日志"), Measure(grown, "开机/关机日志"));
}

TEST_F(LayoutTest, TheTimeTextIsDrawnInMaroonWithinItsPlace) {
  TFormDorvexLayout form;
  form.ShowWindow();
  form.LabTimeText->SetCaption("3 天 4 小时");
  form.UpdateWindow();
  const TPoint at = OnSheet(form, 416, 16);
  int inside = 0, outside = 0;
  for (int y = 0; y < form.Height(); ++y) {
    for (int x = 0; x < form.Width(); ++x) {
      if (PixelAt(form.Image(), x, y) != gfx::clMaroon) {
        continue;
      }
      const bool in = x >= at.X && x < at.X + 233 && y >= at.Y && y < at.Y + 14;
      (in ? inside : outside) += 1;
    }
  }
  EXPECT_GT(inside, 0);
  EXPECT_EQ(outside, 0);
}

TEST_F(LayoutTest, TabOrderAndAcceleratorsReachTheVisibleButtons) {
  TFormDorvexLayout form;
  form.ShowWindow();
  EXPECT_EQ(form.ActiveControl(), form.RzPageControl1);
  form.WindowKeyDown(Key_Tab, 0);
  EXPECT_EQ(form.ActiveControl(), form.RzLWMsg);

  std::vector<std::string> clicks;
  for (TRzToolButton* b :
       {form.TBRefresh, form.TBHelp, form.TBAbout, form.TBUpdate, form.TBHomePage, form.TBExit}) {
    b->OnClick = [&clicks, b] { clicks.push_back(b->Name); };
  }
  form.WindowKeyDown('H', ssAlt);
  form.WindowKeyDown('R', ssAlt);
  form.WindowKeyDown('U', ssAlt);
  form.WindowKeyDown('A', ssAlt);
  form.WindowKeyDown('E', ssAlt);
  form.WindowKeyDown('Q', ssAlt);
  form.WindowKeyDown('H', 0);  // without Alt it is no accelerator
  EXPECT_EQ(clicks,
            (std::vector<std::string>{"TBHomePage", "TBRefresh", "TBUpdate", "TBAbout", "TBExit"}));
  // A disabled button is skipped as well.
  form.TBHomePage->SetEnabled(false);
  form.WindowKeyDown('H', ssAlt);
  EXPECT_EQ(clicks.size(), 5u);
}

TEST_F(LayoutTest, ShownCentredWithItsTitleAndIcon) {
  TFormDorvexLayout form;
  form.ShowWindow();
  auto* w = platform.WindowWithTitle("Dorvex");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->ClientSize(), (TSize{673, 475}));
  EXPECT_EQ(w->Position, (TPoint{(1920 - 673) / 2, (1080 - 475) / 2}));
  EXPECT_EQ(w->Icon.Width(), 32);
  EXPECT_EQ(w->Params.Kind, wkMain);
  EXPECT_TRUE(w->Shown);
  EXPECT_EQ(w->Screen, form.Image());
}

}  // namespace
