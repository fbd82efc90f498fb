#include <gtest/gtest.h>

#include <vector>

#include "gfx/shading.h"
#include "ui/form_dorvex_layout.h"
#include "ui/tests/ui_fixture.h"
#include "ui/toolbar.h"

namespace {

using ToolbarTest = UiTest;

std::vector<int> Lefts(const std::vector<TControl*>& controls) {
  std::vector<int> out;
  for (TControl* c : controls) {
    if (c->Visible()) {
      out.push_back(c->Left());
    }
  }
  return out;
}

TEST_F(ToolbarTest, MainToolbarClosesUpAroundTheHiddenHelpButton) {
  TFormDorvexLayout form;
  auto& bar = *form.RzToolbar1;
  EXPECT_EQ(Lefts(bar.ToolbarControls),
            (std::vector<int>{4, 84, 109, 189, 214, 294, 374, 399, 479}));
  EXPECT_FALSE(form.TBHelp->Visible());
  for (TControl* b :
       {static_cast<TControl*>(form.TBRefresh), static_cast<TControl*>(form.TBAbout),
        static_cast<TControl*>(form.TBUpdate), static_cast<TControl*>(form.TBHomePage),
        static_cast<TControl*>(form.TBExit)}) {
    EXPECT_EQ(b->Top(), 0) << b->Name;
    EXPECT_EQ(b->Width(), 80);
    EXPECT_EQ(b->Height(), 60);
  }
  for (TControl* s :
       {static_cast<TControl*>(form.RzSpacer1), static_cast<TControl*>(form.RzSpacer2),
        static_cast<TControl*>(form.RzSpacer3)}) {
    EXPECT_EQ(s->Top(), 5) << s->Name;
  }
  EXPECT_EQ(form.LabVer->BoundsRect(), (TRect{479, 23, 561, 37}));
  EXPECT_EQ(bar.BoundsRect(), (TRect{0, 0, 673, 60}));
  EXPECT_EQ(bar.RowCount(), 1);
}

TEST_F(ToolbarTest, WrapsTheVersionLabelBelow565AndThenTheButtonsInTurn) {
  TFormDorvexLayout form;
  auto& bar = *form.RzToolbar1;
  form.SetClientSize(565, 475);
  EXPECT_EQ(bar.RowCount(), 1);
  EXPECT_EQ(form.LabVer->Left(), 479);

  form.SetClientSize(564, 475);
  EXPECT_EQ(bar.RowCount(), 2);
  EXPECT_EQ(form.LabVer->Left(), 4);
  EXPECT_GT(form.LabVer->Top(), form.TBExit->Top() + form.TBExit->Height() / 2);
  EXPECT_EQ(form.TBExit->Left(), 399);
  // The toolbar grows and the page area below gives way.
  EXPECT_GT(bar.Height(), 60);
  EXPECT_EQ(form.RzPageControl1->Top(), bar.Height());
  EXPECT_EQ(form.RzPageControl1->Height() + bar.Height() + 19, 475);

  // TBExit needs 399 + 80 = 479 <= width - 4.
  form.SetClientSize(483, 475);
  EXPECT_EQ(form.TBExit->Left(), 399);
  form.SetClientSize(482, 475);
  EXPECT_EQ(form.TBExit->Left(), 4);
  EXPECT_EQ(form.LabVer->Left(), 84);  // follows TBExit on the second row
  EXPECT_EQ(form.RzSpacer3->Left(), 374);

  form.SetClientSize(673, 475);
  EXPECT_EQ(bar.RowCount(), 1);
  EXPECT_EQ(bar.Height(), 60);
  EXPECT_EQ(form.LabVer->Left(), 479);
}

TEST_F(ToolbarTest, RowsFollowTheLayoutRule) {
  TForm form;
  form.SetClientSize(200, 100);
  auto* bar = form.Add<TRzToolbar>();
  bar->SetAlign(alTop);
  std::vector<TControl*> items;
  for (int i = 0; i < 4; ++i) {
    auto* c = bar->Add<TControl>();
    c->SetBounds(0, 0, 60, 20);
    bar->ToolbarControls.push_back(c);
    items.push_back(c);
  }
  bar->LayoutControls();
  // 4 + 60 + 60 + 60 = 184 <= 200 - 4; the fourth wraps.
  EXPECT_EQ(Lefts(items), (std::vector<int>{4, 64, 124, 4}));
  // Top = (row - 1) * 25 + 2 + 25 div 2 - 20 div 2.
  EXPECT_EQ(items[0]->Top(), 4);
  EXPECT_EQ(items[3]->Top(), 29);
  EXPECT_EQ(bar->Height(), 2 * 25 + 2 * 2);

  items[1]->Hide();  // its place closes up
  EXPECT_EQ(Lefts(items), (std::vector<int>{4, 64, 124}));
  EXPECT_EQ(bar->Height(), 29);

  // The first control never wraps, however narrow the bar.
  form.SetClientSize(30, 100);
  EXPECT_EQ(items[0]->Left(), 4);
  EXPECT_EQ(items[0]->Top(), 4);
  EXPECT_EQ(items[2]->Left(), 4);
  EXPECT_EQ(bar->RowCount(), 3);
}

TEST_F(ToolbarTest, PaintsGroovesAndAGradientBand) {
  TFormDorvexLayout form;
  form.RepaintAll();
  const gfx::TBitmap& img = form.Image();
  int x = 620;  // right of every control
  EXPECT_EQ(PixelAt(img, x, 0), gfx::ColorToRGB(gfx::clBtnShadow));
  EXPECT_EQ(PixelAt(img, x, 1), gfx::ColorToRGB(gfx::clBtnHighlight));
  EXPECT_EQ(PixelAt(img, x, 58), gfx::ColorToRGB(gfx::clBtnShadow));
  EXPECT_EQ(PixelAt(img, x, 59), gfx::ColorToRGB(gfx::clBtnHighlight));
  EXPECT_EQ(PixelAt(img, x, 2), gfx::ColorToRGB(gfx::clWindow));
  EXPECT_EQ(PixelAt(img, x, 57), gfx::ColorToRGB(gfx::Darken(gfx::clBtnFace, 10)));
  // The grooved spacer: shadow then highlight at x = 25 div 2 - 1, rows 1 to the bottom.
  int gx = form.RzSpacer1->Left() + 11;
  EXPECT_EQ(PixelAt(img, gx, 5 + 1), gfx::ColorToRGB(gfx::clBtnShadow));
  EXPECT_EQ(PixelAt(img, gx + 1, 5 + 49), gfx::ColorToRGB(gfx::clBtnHighlight));
  EXPECT_NE(PixelAt(img, gx, 5), gfx::ColorToRGB(gfx::clBtnShadow));
}

}  // namespace
