#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form_dorvex_layout.h"
#include "ui/tests/ui_fixture.h"

namespace {

using LayoutTest = UiTest;

TEST_F(LayoutTest, EveryControlAtItsPlaceAt96Dpi) {
  TFormDorvexLayout form;
  EXPECT_EQ(form.Caption(), "Dorvex");
  EXPECT_EQ(form.Width(), 673);
  EXPECT_EQ(form.Height(), 475);
  EXPECT_EQ(form.Color(), gfx::clWindow);
  EXPECT_EQ(form.Font().Name, "Arial");
  EXPECT_EQ(form.Font().Height, 11);

  EXPECT_EQ(form.RzToolbar1->BoundsRect(), (TRect{0, 0, 673, 60}));
  EXPECT_EQ(form.RzStatusBar1->BoundsRect(), (TRect{0, 456, 673, 475}));
  EXPECT_EQ(form.RzPageControl1->BoundsRect(), (TRect{0, 60, 673, 456}));
  EXPECT_EQ(form.TabSheet1->Width(), 669);
  EXPECT_EQ(form.TabSheet1->Height(), 369);
  EXPECT_EQ(form.Panel1->BoundsRect(), (TRect{0, 0, 669, 40}));
  EXPECT_EQ(form.Image1->BoundsRect(), Bounds(8, 4, 32, 32));
  EXPECT_EQ(form.Label1->BoundsRect(), Bounds(48, 13, 145, 16));
  EXPECT_EQ(form.LabTime->BoundsRect(), Bounds(288, 16, 121, 14));
  EXPECT_EQ(form.LabTimeText->BoundsRect(), Bounds(416, 16, 233, 14));
  EXPECT_EQ(form.RzLWMsg->BoundsRect(), Bounds(0, 40, 669, 329));

  form.RzPageControl1->SetTabIndex(1);
  EXPECT_EQ(form.Panel2->BoundsRect(), (TRect{0, 0, 669, 41}));
  EXPECT_EQ(form.Image2->BoundsRect(), Bounds(8, 4, 32, 32));
  EXPECT_EQ(form.Label2->BoundsRect(), Bounds(56, 13, 273, 16));
  EXPECT_EQ(form.Chart1->BoundsRect(), Bounds(0, 41, 669, 328));
  EXPECT_EQ(form.Chart1->Name, "Chart1");

  std::vector<TRect> panes;
  for (TControl* p :
       {static_cast<TControl*>(form.RzClockStatus1), static_cast<TControl*>(form.RzStatusPane1),
        static_cast<TControl*>(form.RzStatusPane2), static_cast<TControl*>(form.RzStatusPane3),
        static_cast<TControl*>(form.RzStatusPane4)}) {
    panes.push_back(p->BoundsRect());
  }
  EXPECT_EQ(panes, (std::vector<TRect>{{0, 0, 150, 19},
                                       {150, 0, 250, 19},
                                       {250, 0, 350, 19},
                                       {350, 0, 450, 19},
                                       {450, 0, 650, 19}}));
}

TEST_F(LayoutTest, TextsFontsColoursAndParts) {
  TFormDorvexLayout form;
  EXPECT_EQ(form.TBRefresh->Caption(), "刷新(&R)");
  EXPECT_EQ(form.TBHelp->Caption(), "帮助(&H)");
  EXPECT_EQ(form.TBAbout->Caption(), "关于(&A)");
  EXPECT_EQ(form.TBUpdate->Caption(), "升级(&U)");
  EXPECT_EQ(form.TBHomePage->Caption(), "主页(&H)");
  EXPECT_EQ(form.TBExit->Caption(), "退出(&E)");
  EXPECT_EQ(form.TBRefresh->Font().Color, gfx::clBlack);
  EXPECT_EQ(form.TBExit->Font().Color, gfx::clWindowText);
  EXPECT_EQ(form.LabVer->Caption(), "版本 2.0");
  EXPECT_EQ(form.LabVer->Alignment(), taRightJustify);
  EXPECT_EQ(form.Label1->Caption(), "开机/关机日志");
  EXPECT_EQ(form.Label1->Font().Height, 13);
  EXPECT_TRUE(form.Label1->Font().Bold);
  EXPECT_EQ(form.LabTime->Caption(), " Windows已运行时间:");
  EXPECT_EQ(form.LabTimeText->Caption(), "");
  EXPECT_EQ(form.LabTimeText->Font().Color, gfx::clMaroon);
  EXPECT_EQ(form.Label2->Caption(), "运行时间图表");
  EXPECT_EQ(form.TabSheet1->Caption(), "日志");
  EXPECT_EQ(form.TabSheet2->Caption(), "图表");
  EXPECT_EQ(form.RzPageControl1->TabIndex(), 0);
  EXPECT_EQ(form.RzLWMsg->Font().Name, "MS Sans Serif");
  EXPECT_EQ(form.RzLWMsg->Color(), gfx::clWhite);
  EXPECT_EQ(form.ImageList1.Count(), 6);
  EXPECT_EQ(form.ImageList1.Width(), 32);
  EXPECT_EQ(form.ImageList2.Count(), 2);
  EXPECT_EQ(form.ImageList2.Width(), 16);
  EXPECT_EQ(form.Timer1.Interval(), 1000u);
  EXPECT_TRUE(form.Timer1.Enabled());
  for (const char* name :
       {"RzToolbar1",    "TBRefresh",     "RzSpacer1",      "TBHelp",        "TBAbout",
        "RzSpacer2",     "TBUpdate",      "TBHomePage",     "RzSpacer3",     "TBExit",
        "LabVer",        "RzStatusBar1",  "RzClockStatus1", "RzStatusPane1", "RzStatusPane2",
        "RzStatusPane3", "RzStatusPane4", "RzPageControl1", "TabSheet1",     "TabSheet2",
        "Panel1",        "Panel2",        "Image1",         "Image2",        "Label1",
        "Label2",        "LabTime",       "LabTimeText",    "RzLWMsg",       "Chart1"}) {
    EXPECT_NE(form.FindControl(name), nullptr) << name;
  }
}

TEST_F(LayoutTest, ResizingKeepsBandHeightsAndHeaderPositions) {
  TFormDorvexLayout form;
  form.SetClientSize(800, 600);
  EXPECT_EQ(form.RzToolbar1->BoundsRect(), (TRect{0, 0, 800, 60}));
  EXPECT_EQ(form.RzStatusBar1->BoundsRect(), (TRect{0, 581, 800, 600}));
  EXPECT_EQ(form.RzPageControl1->BoundsRect(), (TRect{0, 60, 800, 581}));
  EXPECT_EQ(form.Panel1->Width(), 796);
  EXPECT_EQ(form.Panel1->Height(), 40);
  EXPECT_EQ(form.RzLWMsg->BoundsRect(), Bounds(0, 40, 796, 521 - 27 - 40));
  EXPECT_EQ(form.LabTimeText->BoundsRect(), Bounds(416, 16, 233, 14));
  EXPECT_EQ(form.RzStatusPane4->BoundsRect(), (TRect{450, 0, 650, 19}));
  // Narrow: the label keeps its place and the panel's edge cuts it.
  form.SetClientSize(600, 475);
  EXPECT_EQ(form.LabTimeText->Left(), 416);
  EXPECT_LT(form.Panel1->Width(), form.LabTimeText->Left() + form.LabTimeText->Width());
}

TEST_F(LayoutTest, ScalesEverythingAtAnotherResolution) {
  TFormDorvexLayout form(144);
  EXPECT_EQ(form.Width(), 1010);  // 673 * 1.5, rounded
  EXPECT_EQ(form.Height(), 713);
  EXPECT_EQ(form.RzToolbar1->Height(), 90);
  EXPECT_EQ(form.TBRefresh->BoundsRect(), (TRect{6, 0, 126, 90}));
  EXPECT_EQ(form.TBAbout->Left(), 164);  // 109 * 1.5, rounded
  EXPECT_EQ(form.LabVer->Left(), 719);   // 479 * 1.5, rounded up
  EXPECT_EQ(form.RzStatusBar1->Height(), 29);
  EXPECT_EQ(form.RzStatusPane4->Width(), 300);
  EXPECT_EQ(form.Label1->Font().Height, 20);
  EXPECT_EQ(form.TBRefresh->Font().Height, 17);
  EXPECT_EQ(form.RzLWMsg->Columns()[1].Width, 225);
  EXPECT_EQ(form.Image1->BoundsRect(), Bounds(12, 6, 48, 48));
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
