#include <gtest/gtest.h>

#include <vector>

#include "gfx/shading.h"
#include "ui/form_dorvex_layout.h"
#include "ui/tests/ui_fixture.h"
#include "ui/toolbar.h"

namespace {

gfx::TColor Rgb(gfx::TColor c) {
  return gfx::ColorToRGB(c);
}

class ToolbarRulesTest : public UiTest {
 protected:
  ToolbarRulesTest() { form.ShowWindow(); }
  ~ToolbarRulesTest() override { gfx::SetFullColor(true); }

  gfx::TColor At(int x, int y) {
    form.UpdateWindow();
    return PixelAt(form.Image(), x, y);
  }
  TPoint In(TControl* c, int x, int y) const { return c->ClientToForm({x, y}); }
  gfx::TColor Tint() const { return Rgb(gfx::Blend(gfx::clHighlight, gfx::clWindow, 77)); }
  gfx::TColor Light() const { return Rgb(gfx::Lighten(Tint(), 20)); }
  // Column 1 of a button lies inside the frame but left of the picture and caption.
  gfx::TColor InnerTop(TControl* b) {
    TPoint p = In(b, 1, 1);
    return At(p.X, p.Y);
  }
  gfx::TColor InnerBottom(TControl* b) {
    TPoint p = In(b, 1, b->Height() - 2);
    return At(p.X, p.Y);
  }

  TFormDorvexLayout form;
};

TEST_F(ToolbarRulesTest, GrooveRowsAndTheBackgroundGradient) {
  auto& bar = *form.RzToolbar1;
  int h = bar.Height();
  int x = bar.Width() - 3;  // right of every control
  EXPECT_EQ(At(x, 0), Rgb(gfx::clBtnShadow));
  EXPECT_EQ(At(x, 1), Rgb(gfx::clBtnHighlight));
  EXPECT_EQ(At(x, h - 2), Rgb(gfx::clBtnShadow));
  EXPECT_EQ(At(x, h - 1), Rgb(gfx::clBtnHighlight));
  gfx::TColor top = Rgb(gfx::clWindow);
  gfx::TColor bottom = Rgb(gfx::Darken(gfx::clBtnFace, 10));
  EXPECT_EQ(At(x, 2), top);
  EXPECT_EQ(At(x, h - 3), bottom);
  EXPECT_EQ(At(x, 30), Rgb(gfx::GradientColor(top, bottom, 28, h - 4)));
  // No border on the left or right: the first column carries the gradient too.
  EXPECT_EQ(At(0, 2), top);
}

TEST_F(ToolbarRulesTest, HotPressedAndDraggedOutLooks) {
  TRzToolButton* b = form.TBAbout;
  TPoint corner = In(b, 0, 0);
  // Idle: nothing drawn, the toolbar's row shows through.
  EXPECT_EQ(InnerTop(b), At(form.RzToolbar1->Width() - 3, corner.Y + 1));
  form.WindowMouseMove(0, In(b, 40, 30));
  EXPECT_EQ(At(corner.X, corner.Y), Rgb(gfx::clHighlight));
  EXPECT_EQ(InnerTop(b), Light());
  EXPECT_EQ(InnerBottom(b), Tint());

  form.WindowMouseDown(mbLeft, ssLeft, In(b, 40, 30));
  EXPECT_EQ(InnerTop(b), Tint());
  EXPECT_EQ(InnerBottom(b), Light());

  // Held and dragged away: plain up, no frame, the toolbar shows through.
  gfx::TColor behind = At(form.RzToolbar1->Width() - 3, corner.Y);
  form.WindowMouseMove(ssLeft, In(form.TBExit, 40, 30));
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(b->Hot());
  EXPECT_EQ(At(corner.X, corner.Y), behind);
  form.WindowMouseMove(ssLeft, In(b, 40, 30));
  EXPECT_EQ(InnerTop(b), Tint());
}

TEST_F(ToolbarRulesTest, PaletteDisplayFillsHotAndPressedFlat) {
  gfx::SetFullColor(false);
  TRzToolButton* b = form.TBRefresh;
  form.WindowMouseMove(0, In(b, 40, 30));
  EXPECT_EQ(InnerTop(b), Tint());
  EXPECT_EQ(InnerBottom(b), Tint());
  form.WindowMouseDown(mbLeft, ssLeft, In(b, 40, 30));
  EXPECT_EQ(InnerTop(b), Tint());
  EXPECT_EQ(InnerBottom(b), Tint());
}

TEST_F(ToolbarRulesTest, GroupedButtonsLatchInTurn) {
  TRzToolButton* about = form.TBAbout;
  TRzToolButton* update = form.TBUpdate;
  about->SetGroupIndex(1);
  update->SetGroupIndex(1);
  form.WindowMouseMove(0, In(about, 40, 30));
  form.WindowMouseDown(mbLeft, ssLeft, In(about, 40, 30));
  form.WindowMouseUp(mbLeft, 0, In(about, 40, 30));
  EXPECT_EQ(about->State(), tbsExclusive);
  // Latched and hot: tint to light.
  EXPECT_EQ(InnerTop(about), Tint());
  EXPECT_EQ(InnerBottom(about), Light());

  form.WindowMouseMove(0, In(update, 40, 30));
  // Latched with the mouse away: darkened tint to light.
  EXPECT_EQ(InnerTop(about), Rgb(gfx::Darken(Tint(), 40)));
  EXPECT_EQ(InnerBottom(about), Light());
  form.WindowMouseDown(mbLeft, ssLeft, In(update, 40, 30));
  form.WindowMouseUp(mbLeft, 0, In(update, 40, 30));
  EXPECT_EQ(update->State(), tbsExclusive);
  EXPECT_EQ(about->State(), tbsUp);

  // Group 0 never latches.
  form.WindowMouseMove(0, In(form.TBExit, 40, 30));
  form.WindowMouseDown(mbLeft, ssLeft, In(form.TBExit, 40, 30));
  form.WindowMouseUp(mbLeft, 0, In(form.TBExit, 40, 30));
  EXPECT_EQ(form.TBExit->State(), tbsUp);
}

TEST_F(ToolbarRulesTest, AltHSkipsTheHiddenHelpButton) {
  int help = 0, home = 0;
  form.TBHelp->OnClick = [&] { ++help; };
  form.TBHomePage->OnClick = [&] { ++home; };
  form.WindowKeyDown('H', ssAlt);
  EXPECT_EQ(help, 0);
  EXPECT_EQ(home, 1);
  form.TBHelp->SetVisible(true);
  form.WindowKeyDown('H', ssAlt);
  EXPECT_EQ(help, 1);  // the first marked button wins
  EXPECT_EQ(home, 1);
}

TEST_F(ToolbarRulesTest, GroovedSpacerLines) {
  TControl* s = form.RzSpacer1;
  TPoint o = In(s, 0, 0);
  int x = s->Width() / 2 - 1;
  for (int y : {1, s->Height() / 2, s->Height() - 1}) {
    EXPECT_EQ(At(o.X + x, o.Y + y), Rgb(gfx::clBtnShadow)) << y;
    EXPECT_EQ(At(o.X + x + 1, o.Y + y), Rgb(gfx::clBtnHighlight)) << y;
  }
  // Row 0 and the neighbouring columns show the toolbar behind.
  gfx::TColor behind = At(form.RzToolbar1->Width() - 3, o.Y);
  EXPECT_EQ(At(o.X + x, o.Y), behind);
  EXPECT_EQ(At(o.X + x - 1, o.Y + 10), At(form.RzToolbar1->Width() - 3, o.Y + 10));
}

TEST_F(ToolbarRulesTest, ARemovedControlLeavesTheRow) {
  auto& bar = *form.RzToolbar1;
  int left = form.TBAbout->Left();
  auto owned = bar.RemoveControl(form.TBAbout);
  owned.reset();
  EXPECT_EQ(bar.ToolbarControls.size(), 9u);
  EXPECT_EQ(form.RzSpacer2->Left(), left);
}

}  // namespace
