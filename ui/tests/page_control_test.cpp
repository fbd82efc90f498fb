#include <gtest/gtest.h>

#include "gfx/shading.h"
#include "gfx/tests/fake_text_engine.h"
#include "ui/form_dorvex_layout.h"
#include "ui/tests/ui_fixture.h"

namespace {

class PageControlTest : public UiTest {
 protected:
  PageControlTest() {
    form.ShowWindow();
    pc = form.RzPageControl1;
  }
  TFormDorvexLayout form;
  TRzPageControl* pc = nullptr;
};

TEST_F(PageControlTest, TabsSizedFromTheirBoldCaptions) {
  gfx::TFont bold = pc->Font();
  int w1 = std::max(Measure(bold, "日志").Width, Measure(bold, "AAA").Width) + 16;
  int w2 = std::max(Measure(bold, "图表").Width, Measure(bold, "AAA").Width) + 16;
  EXPECT_EQ(pc->TabRect(0), (TRect{0, 3, w1, 23}));
  EXPECT_EQ(pc->TabRect(1), (TRect{w1 + 2, 3, w1 + 2 + w2, 23}));
  EXPECT_EQ(pc->TabRowHeight(), 23);
  EXPECT_EQ(pc->PageRect(), (TRect{1, 24, 670, 393}));
}

TEST_F(PageControlTest, TabsMeasureAndDrawTheirCaptionsWithOneEngine) {
  // Every character 6 wide, Chinese ones 12; lines 10 high with an 8-row ascent.
  gfx_test::TFixedEngine fixed;
  pc->SetTextEngine(&fixed);
  EXPECT_EQ(pc->TabRect(0), (TRect{0, 3, 24 + 16, 23}));
  EXPECT_EQ(pc->TabRect(1), (TRect{42, 3, 42 + 24 + 16, 23}));
  form.UpdateWindow();
  // The selected caption's two solid blocks, centred at the top of its caption area.
  const gfx::TColor ink = gfx::ColorToRGB(pc->TextColorSelected());
  const TRect tab = pc->DrawnTabRect(0);
  TRect found{tab.Right, tab.Bottom, tab.Left, tab.Top};
  for (int y = tab.Top; y < tab.Bottom; ++y) {
    for (int x = std::max(tab.Left, 0); x < tab.Right; ++x) {
      TPoint p = pc->ClientToForm({x, y});
      if (PixelAt(form.Image(), p.X, p.Y) == ink) {
        found = {std::min(found.Left, x), std::min(found.Top, y), std::max(found.Right, x + 1),
                 std::max(found.Bottom, y + 1)};
      }
    }
  }
  const TRect caption = pc->CaptionRect(0);
  const int left = caption.Left + (caption.Width() - 24) / 2;
  EXPECT_EQ(found, (TRect{left, caption.Top, left + 23, caption.Top + 8}));
  pc->SetTextEngine(nullptr);
}

TEST_F(PageControlTest, ClickingATabShowsItsPageOnly) {
  EXPECT_TRUE(form.TabSheet1->Visible());
  EXPECT_FALSE(form.TabSheet2->Visible());
  TRect t = pc->TabRect(1);
  TPoint p = pc->ClientToForm({t.Left + 5, t.Top + 5});
  form.WindowMouseDown(mbLeft, ssLeft, p);
  form.WindowMouseUp(mbLeft, 0, p);
  EXPECT_EQ(pc->TabIndex(), 1);
  EXPECT_FALSE(form.TabSheet1->Visible());
  EXPECT_TRUE(form.TabSheet2->Visible());
  EXPECT_TRUE(form.Chart1->Showing());
  EXPECT_FALSE(form.RzLWMsg->Showing());
  // The strip behind the tabs, right of them.
  form.UpdateWindow();
  TPoint strip = pc->ClientToForm({600, 5});
  EXPECT_EQ(PixelAt(form.Image(), strip.X, strip.Y), gfx::ColorToRGB(gfx::cl3DLight));
}

TEST_F(PageControlTest, CtrlTabCyclesFromInsideThePages) {
  form.RzLWMsg->SetFocus();
  form.WindowKeyDown(Key_Tab, ssCtrl);
  EXPECT_EQ(pc->TabIndex(), 1);
  // The focused list went away with its page; the focus moved to the tabs.
  EXPECT_EQ(form.ActiveControl(), pc);
  form.WindowKeyDown(Key_Tab, ssCtrl);
  EXPECT_EQ(pc->TabIndex(), 0);
  form.WindowKeyDown(Key_Tab, ssCtrl | ssShift);
  EXPECT_EQ(pc->TabIndex(), 1);
  form.WindowKeyDown(Key_Home, 0);
  EXPECT_EQ(pc->TabIndex(), 0);
  form.WindowKeyDown(Key_End, 0);
  EXPECT_EQ(pc->TabIndex(), 1);
}

class PageControlLookTest : public PageControlTest {
 protected:
  gfx::TColor At(int x, int y) {
    TPoint p = pc->ClientToForm({x, y});
    return PixelAt(form.Image(), p.X, p.Y);
  }
  static gfx::TColor Rgb(gfx::TColor c) { return gfx::ColorToRGB(c); }
};

TEST_F(PageControlLookTest, SelectedTabIsWhiteWithCutCornersAndOpenCard) {
  form.UpdateWindow();
  TRect r = pc->DrawnTabRect(0);
  EXPECT_EQ(r.Top, 1);
  EXPECT_EQ(r.Left, -2);
  TRect t1 = pc->TabRect(1);
  // Outline on the tab's right edge and top, cut corner left to the strip.
  EXPECT_EQ(At(r.Right - 1, 10), Rgb(gfx::clBtnShadow));
  EXPECT_EQ(At(r.Right - 3, r.Top), Rgb(gfx::clBtnShadow));
  EXPECT_EQ(At(r.Right - 2, r.Top), Rgb(gfx::cl3DLight));
  EXPECT_EQ(At(r.Right - 1, r.Top + 1), Rgb(gfx::cl3DLight));
  EXPECT_EQ(At(r.Right - 2, r.Top + 1), Rgb(gfx::clBtnShadow));
  // The clWindow bar does not show on the white tab; the card's top edge is
  // open under the tab and closed beside it.
  EXPECT_EQ(At(r.Right - 4, r.Top + 2), Rgb(gfx::clWindow));
  EXPECT_EQ(At(r.Right - 3, 23), Rgb(gfx::clWindow));
  EXPECT_EQ(At(t1.Right + 20, 23), Rgb(gfx::clBtnShadow));
  // Unselected neighbour: its own cut corner.
  EXPECT_EQ(At(t1.Right - 1, t1.Top), Rgb(gfx::cl3DLight));
  EXPECT_EQ(At(t1.Right - 2, t1.Top), Rgb(gfx::cl3DLight));
  EXPECT_EQ(At(t1.Right - 3, t1.Top), Rgb(gfx::clBtnShadow));
}

TEST_F(PageControlLookTest, UnselectedTabGradientOrFlatOnAPalette) {
  form.UpdateWindow();
  TRect t = pc->TabRect(1);
  for (int row : {1, 8, 18}) {
    EXPECT_EQ(At(t.Left + 2, t.Top + row),
              gfx::GradientColor(Rgb(gfx::clWindow), Rgb(gfx::clBtnFace), row, t.Height()))
        << row;
  }
  gfx::SetFullColor(false);
  pc->Invalidate();
  form.UpdateWindow();
  gfx::SetFullColor(true);
  EXPECT_EQ(At(t.Left + 2, t.Top + 18), Rgb(gfx::clWindow));
}

TEST_F(PageControlLookTest, HotTabGetsAnOrangeBarAndTheSelectedColour) {
  TRect t = pc->TabRect(1);
  TPoint p = pc->ClientToForm({t.Left + 6, t.Top + 10});
  form.WindowMouseMove(0, p);
  EXPECT_EQ(pc->HotIndex(), 1);
  form.UpdateWindow();
  gfx::TColor orange = gfx::MakeColor(0xF0, 0x9B, 0x14);
  // The outline stays over the bar's first row.
  EXPECT_EQ(At(t.Left + 3, t.Top), Rgb(gfx::clBtnShadow));
  EXPECT_EQ(At(t.Left + 3, t.Top + 1), orange);
  EXPECT_EQ(At(t.Left + 3, t.Top + 4), orange);
  EXPECT_NE(At(t.Left + 3, t.Top + 5), orange);
  EXPECT_EQ(At(t.Left, t.Top), Rgb(gfx::cl3DLight));  // corner stays cut
  // Caption in the selected colour (blue) somewhere inside the caption area.
  TRect c = pc->CaptionRect(1);
  int blue = 0;
  for (int y = c.Top; y < c.Bottom; ++y) {
    for (int x = c.Left; x < c.Right; ++x) {
      blue += gfx::BlueOf(At(x, y)) > 150 && gfx::RedOf(At(x, y)) < 100;
    }
  }
  EXPECT_GT(blue, 5);
  form.WindowMouseMove(0, pc->ClientToForm({600, 10}));
  EXPECT_EQ(pc->HotIndex(), -1);
}

TEST_F(PageControlLookTest, CardShadowBlendsThirtyThenFifteen) {
  form.UpdateWindow();
  int w = pc->Width(), h = pc->Height();
  gfx::TColor under = Rgb(form.Color());
  EXPECT_EQ(At(w - 3, 100), Rgb(gfx::clBtnShadow));
  EXPECT_EQ(At(w - 2, 100), gfx::Blend(gfx::clBlack, under, 30));
  EXPECT_EQ(At(w - 1, 100), gfx::Blend(gfx::clBlack, under, 15));
  EXPECT_EQ(At(300, h - 3), Rgb(gfx::clBtnShadow));
  EXPECT_EQ(At(300, h - 2), gfx::Blend(gfx::clBlack, under, 30));
  EXPECT_EQ(At(300, h - 1), gfx::Blend(gfx::clBlack, under, 15));
}

TEST_F(PageControlLookTest, CaptionAtTheTopOfItsArea) {
  EXPECT_EQ(pc->CaptionRect(0).Top, 4);  // 3 below the taller selected tab's top
  EXPECT_EQ(pc->CaptionRect(1).Top, 6);
  TSize s = Measure(pc->Font(), "图表");
  TRect c = pc->CaptionRect(1);
  EXPECT_EQ(c.Width(), pc->TabRect(1).Width() - 10);
  EXPECT_LE(s.Height, c.Height() + 6);
}

TEST_F(PageControlLookTest, RegionsCachedPerRectangleAndFailureStopsPainting) {
  form.UpdateWindow();
  EXPECT_EQ(pc->CachedRegionCount(), 2);
  pc->Invalidate();
  form.UpdateWindow();
  EXPECT_EQ(pc->CachedRegionCount(), 2);
  pc->SetTabIndex(1);
  form.UpdateWindow();
  EXPECT_EQ(pc->CachedRegionCount(), 4);
  pc->SetMargin(0x4000000);
  gfx::TBitmap image(pc->Width(), pc->Height());
  gfx::TCanvas canvas(image);
  EXPECT_THROW(pc->Paint(canvas), gfx::ERegionError);
}

TEST_F(PageControlTest, ArrowKeysLeaveThePageAlone) {
  pc->SetFocus();
  form.WindowKeyDown(Key_Right, 0);
  EXPECT_EQ(pc->TabIndex(), 0);
}

}  // namespace
