#include <gtest/gtest.h>

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
  gfx::TFont bold = pc->Font;
  int w1 = std::max(Measure(bold, "日志").Width, Measure(bold, "AAA").Width) + 16;
  int w2 = std::max(Measure(bold, "图表").Width, Measure(bold, "AAA").Width) + 16;
  EXPECT_EQ(pc->TabRect(0), (TRect{0, 3, w1, 23}));
  EXPECT_EQ(pc->TabRect(1), (TRect{w1 + 2, 3, w1 + 2 + w2, 23}));
  EXPECT_EQ(pc->TabRowHeight(), 23);
  EXPECT_EQ(pc->PageRect(), (TRect{1, 24, 670, 393}));
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
  form.WindowKeyDown(VK_TAB, ssCtrl);
  EXPECT_EQ(pc->TabIndex(), 1);
  // The focused list went away with its page; the focus moved to the tabs.
  EXPECT_EQ(form.ActiveControl(), pc);
  form.WindowKeyDown(VK_TAB, ssCtrl);
  EXPECT_EQ(pc->TabIndex(), 0);
  form.WindowKeyDown(VK_TAB, ssCtrl | ssShift);
  EXPECT_EQ(pc->TabIndex(), 1);
  form.WindowKeyDown(VK_HOME, 0);
  EXPECT_EQ(pc->TabIndex(), 0);
  form.WindowKeyDown(VK_END, 0);
  EXPECT_EQ(pc->TabIndex(), 1);
}

}  // namespace
