#include <gtest/gtest.h>

#include "gfx/shading.h"
#include "ui/form_dorvex_layout.h"
#include "ui/tests/ui_fixture.h"

namespace {

class ToolButtonTest : public UiTest {
 protected:
  ToolButtonTest() {
    form.ShowWindow();
    button = form.TBAbout;
    button->OnClick = [this] { ++clicks; };
  }
  TPoint At(int x, int y) const { return button->ClientToForm({x, y}); }

  TFormDorvexLayout form;
  TRzToolButton* button = nullptr;
  int clicks = 0;
};

TEST_F(ToolButtonTest, PictureAboveTheCaptionCentredInTheContentArea) {
  TSize cap = Measure(button->Font(), "关于(A)");
  int free = 56 - 32 - cap.Height - 4;
  EXPECT_EQ(button->GlyphRect(), Bounds(24, 2 + free / 2, 32, 32));
  TRect c = button->CaptionRect();
  EXPECT_EQ(c.Top, 2 + free / 2 + 32 + 4);
  EXPECT_EQ(c.Left, 2 + (76 - c.Width()) / 2);
}

TEST_F(ToolButtonTest, HotWhileThePointerIsOverIt) {
  form.WindowMouseMove(0, At(40, 30));
  EXPECT_TRUE(button->Hot());
  form.UpdateWindow();
  TPoint corner = At(0, 0);
  EXPECT_EQ(PixelAt(form.Image(), corner.X, corner.Y), gfx::ColorToRGB(gfx::clHighlight));
  form.WindowMouseMove(0, form.TBExit->ClientToForm({40, 30}));
  EXPECT_FALSE(button->Hot());
  EXPECT_TRUE(form.TBExit->Hot());
  form.UpdateWindow();
  EXPECT_NE(PixelAt(form.Image(), corner.X, corner.Y), gfx::ColorToRGB(gfx::clHighlight));
}

TEST_F(ToolButtonTest, ClicksOnReleaseInsideOnly) {
  form.WindowMouseMove(0, At(40, 30));
  form.WindowMouseDown(mbLeft, ssLeft, At(40, 30));
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(form.CaptureControl(), button);
  // Dragged out: shown up; back in: down again.
  form.WindowMouseMove(ssLeft, At(200, 30));
  EXPECT_FALSE(button->Down());
  form.WindowMouseMove(ssLeft, At(41, 30));
  EXPECT_TRUE(button->Down());
  form.WindowMouseUp(mbLeft, 0, At(41, 30));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button->Down());
  EXPECT_TRUE(button->Hot());
  EXPECT_EQ(form.CaptureControl(), nullptr);

  form.WindowMouseDown(mbLeft, ssLeft, At(40, 30));
  form.WindowMouseMove(ssLeft, At(300, 30));
  form.WindowMouseUp(mbLeft, 0, At(300, 30));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button->Hot());  // the pointer ended elsewhere

  // The right button does not press it.
  form.WindowMouseDown(mbRight, ssRight, At(40, 30));
  form.WindowMouseUp(mbRight, 0, At(40, 30));
  EXPECT_EQ(clicks, 1);
}

TEST_F(ToolButtonTest, DisabledAndHiddenButtonsTakeNoInput) {
  button->SetEnabled(false);
  form.WindowMouseDown(mbLeft, ssLeft, At(40, 30));
  form.WindowMouseUp(mbLeft, 0, At(40, 30));
  form.WindowKeyDown('A', ssAlt);
  EXPECT_EQ(clicks, 0);
  button->SetEnabled(true);
  form.WindowKeyDown('A', ssAlt);
  EXPECT_EQ(clicks, 1);
  int help = 0;
  form.TBHelp->OnClick = [&] { ++help; };
  form.TBHelp->SetEnabled(true);
  form.WindowKeyDown('H', ssAlt);
  EXPECT_EQ(help, 0);
}

}  // namespace
