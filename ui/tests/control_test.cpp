#include <gtest/gtest.h>

#include "ui/form.h"
#include "ui/panel.h"
#include "ui/tests/ui_fixture.h"

namespace {

using ControlTest = UiTest;

TControl* Child(TControl* parent, TAlign align, int w, int h) {
  auto* c = parent->Add<TControl>();
  c->SetBounds(0, 0, w, h);
  c->SetAlign(align);
  return c;
}

TEST_F(ControlTest, BandsStackTopThenBottomAndClientTakesTheRest) {
  TForm form;
  form.SetClientSize(300, 200);
  TControl* top1 = Child(&form, alTop, 10, 30);
  TControl* bottom = Child(&form, alBottom, 10, 20);
  TControl* client = Child(&form, alClient, 10, 10);
  TControl* top2 = Child(&form, alTop, 10, 15);
  TControl* left = Child(&form, alLeft, 40, 10);
  TControl* right = Child(&form, alRight, 25, 10);
  TControl* free = Child(&form, alNone, 10, 10);
  free->SetBounds(7, 8, 9, 10);

  EXPECT_EQ(top1->BoundsRect(), (TRect{0, 0, 300, 30}));
  EXPECT_EQ(top2->BoundsRect(), (TRect{0, 30, 300, 45}));
  EXPECT_EQ(bottom->BoundsRect(), (TRect{0, 180, 300, 200}));
  EXPECT_EQ(left->BoundsRect(), (TRect{0, 45, 40, 180}));
  EXPECT_EQ(right->BoundsRect(), (TRect{275, 45, 300, 180}));
  EXPECT_EQ(client->BoundsRect(), (TRect{40, 45, 275, 180}));
  EXPECT_EQ(free->BoundsRect(), (TRect{7, 8, 16, 18}));

  // Resizing the parent re-aligns; hiding a band gives its room back.
  form.SetClientSize(200, 100);
  EXPECT_EQ(bottom->BoundsRect(), (TRect{0, 80, 200, 100}));
  EXPECT_EQ(client->BoundsRect(), (TRect{40, 45, 175, 80}));
  top1->Hide();
  EXPECT_EQ(top2->BoundsRect(), (TRect{0, 0, 200, 15}));
  EXPECT_EQ(client->BoundsRect(), (TRect{40, 15, 175, 80}));
  // A fixed control neither moves nor stretches.
  EXPECT_EQ(free->BoundsRect(), (TRect{7, 8, 16, 18}));
}

TEST_F(ControlTest, CoordinatesHitTestingAndVisibility) {
  TForm form;
  form.SetClientSize(300, 200);
  auto* panel = form.Add<TWinControl>();
  panel->SetBounds(50, 40, 100, 80);
  auto* inner = panel->Add<TControl>();
  inner->SetBounds(10, 5, 20, 20);
  inner->Name = "inner";

  EXPECT_EQ(inner->ClientToForm({1, 2}), (TPoint{61, 47}));
  EXPECT_EQ(inner->FormToClient({61, 47}), (TPoint{1, 2}));
  EXPECT_EQ(inner->FormRect(), (TRect{60, 45, 80, 65}));
  EXPECT_EQ(form.ControlAtPos({65, 50}), inner);
  EXPECT_EQ(form.ControlAtPos({55, 50}), panel);
  EXPECT_EQ(form.ControlAtPos({5, 5}), &form);
  EXPECT_EQ(form.ControlAtPos({300, 5}), nullptr);
  EXPECT_EQ(form.FindControl("inner"), inner);
  EXPECT_EQ(inner->Form(), &form);

  panel->Hide();
  EXPECT_TRUE(inner->Visible());
  EXPECT_FALSE(inner->Showing());
  EXPECT_EQ(form.ControlAtPos({65, 50}), &form);
  panel->Show();
  panel->SetEnabled(false);
  EXPECT_TRUE(inner->Enabled());
  EXPECT_FALSE(inner->IsEnabled());
}

TEST_F(ControlTest, InvalidationMarksOnlyTheChangedAreaClippedByParents) {
  TForm form;
  form.SetClientSize(300, 200);
  auto* panel = form.Add<TWinControl>();
  panel->SetBounds(50, 40, 100, 80);
  auto* inner = panel->Add<TControl>();
  inner->SetBounds(90, 70, 30, 30);  // sticks out of the panel
  form.RepaintAll();
  ASSERT_FALSE(form.HasDirtyAreas());

  inner->Invalidate();
  ASSERT_EQ(form.DirtyAreas().size(), 1u);
  EXPECT_EQ(form.DirtyAreas()[0], (TRect{140, 110, 150, 120}));

  // Overlapping areas merge; separate ones stay apart.
  inner->InvalidateRect({0, 0, 5, 5});
  EXPECT_EQ(form.DirtyAreas().size(), 1u);
  auto* far = form.Add<TControl>();
  far->SetBounds(0, 0, 10, 10);
  EXPECT_EQ(form.DirtyAreas().size(), 2u);

  form.UpdateWindow();
  EXPECT_FALSE(form.HasDirtyAreas());
  // A hidden control marks nothing.
  far->Hide();
  form.UpdateWindow();
  far->Invalidate();
  EXPECT_FALSE(form.HasDirtyAreas());
}

TEST_F(ControlTest, PaintingVisitsOnlyControlsInTheDirtyArea) {
  TForm form;
  form.SetClientSize(300, 200);
  auto* a = form.Add<TControl>();
  a->SetBounds(0, 0, 100, 100);
  auto* b = form.Add<TControl>();
  b->SetBounds(200, 100, 100, 100);
  form.RepaintAll();
  form.ResetPaintCount();
  b->Invalidate();
  form.UpdateWindow();
  EXPECT_EQ(form.PaintCount(), 2);  // the form under it, and b
}

TEST_F(ControlTest, NothingIsPaintedUnderAnOpaqueChildThatCoversTheArea) {
  TForm form;
  form.SetClientSize(300, 200);
  auto* panel = form.Add<TPanel>();
  panel->SetBounds(0, 0, 100, 100);
  auto* leaf = panel->Add<TControl>();
  leaf->SetBounds(10, 10, 20, 20);
  form.RepaintAll();
  form.ResetPaintCount();
  panel->InvalidateRect({40, 40, 60, 60});
  form.UpdateWindow();
  EXPECT_EQ(form.PaintCount(), 1);  // the panel only; the form under it is hidden
  // Partly outside the panel: the form paints too.
  form.InvalidateRect({90, 90, 110, 110});
  form.ResetPaintCount();
  form.UpdateWindow();
  EXPECT_EQ(form.PaintCount(), 2);
  EXPECT_EQ(PixelAt(form.Image(), 95, 95), gfx::ColorToRGB(panel->Color()));
  EXPECT_EQ(PixelAt(form.Image(), 105, 105), gfx::ColorToRGB(form.Color()));
}

TEST_F(ControlTest, ScalingKeepsTouchingEdgesTogether) {
  TForm form;
  form.SetClientSize(673, 475);
  auto* a = form.Add<TControl>();
  a->SetBounds(4, 0, 80, 60);
  auto* b = form.Add<TControl>();
  b->SetBounds(84, 5, 25, 50);
  form.ChangeScale(120, 96);
  EXPECT_EQ(a->BoundsRect(), (TRect{5, 0, 105, 75}));
  EXPECT_EQ(b->Left(), a->Left() + a->Width());
  EXPECT_EQ(form.Width(), 841);
  EXPECT_EQ(form.Height(), 594);
}

}  // namespace
