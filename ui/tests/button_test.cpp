#include "ui/button.h"

#include "ui/tests/widget_fixture.h"

namespace {

using gfx::TColor;

const TColor kFace = gfx::MakeColor(0xBE, 0xDA, 0xF1);
const TColor kFrame = gfx::MakeColor(0x00, 0x3C, 0x74);
const TColor kOrange = gfx::MakeColor(0xF0, 0x9B, 0x14);

class ButtonTest : public WidgetTest {
 protected:
  ButtonTest() {
    form.SetColor(gfx::clWhite);
    form.SetBounds(0, 0, 120, 50);
    // Something else to hold the focus, so the button starts without it.
    other = form.Add<TRzButton>();
    other->SetBounds(0, 40, 10, 10);
    button = form.Add<TRzButton>();
    button->SetBounds(10, 10, 89, 25);
    button->SetHotTrack(true);
    button->SetFrameColor(kFrame);
    button->SetColor(kFace);
    button->SetCaption("关闭");
    gfx::TFont font = button->Font();
    font.Height = 12;
    button->SetFont(font);
    button->OnClick = [this] { ++clicks; };
    form.ShowWindow();
    form.SetActiveControl(other);
    form.RepaintAll();
  }
  TColor At(int x, int y) { return PixelOf(*button, x, y); }
  void Repaint() { form.RepaintAll(); }
  // Face rows 2 .. 22 of the 25-pixel button; the ring's gradient spans all 21.
  TColor Ring(TColor top, TColor bottom, int y) {
    return gfx::GradientColor(top, bottom, y - 2, 21);
  }

  TForm form;
  TRzButton* other = nullptr;
  TRzButton* button = nullptr;
  int clicks = 0;
};

TEST_F(ButtonTest, SoftOuterFrameWithRoundedCorners) {
  // clBtnFace #F0F0F0 has lightness 226: darkened by 20 it is #DBDBDB; lightened by
  // 20 it passes 240 and saturates to white.
  const TColor dark = gfx::MakeColor(0xDB, 0xDB, 0xDB), light = gfx::clWhite;
  EXPECT_EQ(gfx::Darken(gfx::clBtnFace, 20), dark);
  EXPECT_EQ(At(0, 2), dark);
  EXPECT_EQ(At(0, 22), dark);
  EXPECT_EQ(At(2, 0), dark);
  EXPECT_EQ(At(86, 0), dark);
  EXPECT_EQ(At(88, 12), light);
  EXPECT_EQ(At(44, 24), light);
  // The lines stop two pixels short: the corners show the white parent...
  for (TPoint p : {TPoint{0, 0}, TPoint{1, 0}, TPoint{0, 1}, TPoint{88, 0}, TPoint{87, 0},
                   TPoint{0, 24}, TPoint{0, 23}, TPoint{88, 24}, TPoint{88, 23}}) {
    EXPECT_EQ(At(p.X, p.Y), gfx::clWhite) << p.X << "," << p.Y;
  }
  // ...and one diagonal pixel rounds each corner; the white parent under the light
  // corner would hide it, so check against the dark one too.
  EXPECT_EQ(At(1, 1), dark);
  EXPECT_EQ(At(87, 1), dark);
  EXPECT_EQ(At(1, 23), dark);
  EXPECT_EQ(At(87, 23), light);
}

TEST_F(ButtonTest, FrameColourOnePixelInWithoutCorners) {
  EXPECT_EQ(At(2, 1), kFrame);
  EXPECT_EQ(At(86, 1), kFrame);
  EXPECT_EQ(At(1, 2), kFrame);
  EXPECT_EQ(At(87, 22), kFrame);
  EXPECT_EQ(At(44, 23), kFrame);
  // (1,1) is the soft frame's corner pixel, not the frame's.
  EXPECT_NE(At(1, 1), kFrame);
}

TEST_F(ButtonTest, IdleFaceIsAGradientOverTwoDarkLines) {
  // Gradient rows 2..20 (19 rows), then darkened by 20 and by 30.
  EXPECT_EQ(At(5, 2), gfx::Lighten(kFace, 30));
  EXPECT_EQ(At(5, 20), gfx::Darken(kFace, 10));
  EXPECT_EQ(At(5, 11), gfx::GradientColor(gfx::Lighten(kFace, 30), gfx::Darken(kFace, 10), 9, 19));
  EXPECT_EQ(At(2, 21), gfx::Darken(kFace, 20));
  EXPECT_EQ(At(86, 22), gfx::Darken(kFace, 30));
  // No ring: the ring's columns show the face.
  EXPECT_EQ(At(2, 12), At(5, 12));
  EXPECT_FALSE(button->Hot());
}

TEST_F(ButtonTest, HotRingGlowsOrange) {
  form.WindowMouseMove(0, {20, 20});
  EXPECT_TRUE(button->Hot());
  Repaint();
  const TColor top = gfx::Blend(gfx::clWhite, kOrange, 190);
  EXPECT_EQ(At(5, 2), top);
  EXPECT_EQ(At(5, 3), Ring(top, kOrange, 3));
  EXPECT_EQ(At(2, 12), Ring(top, kOrange, 12));
  EXPECT_EQ(At(3, 12), Ring(top, kOrange, 12));
  EXPECT_EQ(At(86, 12), Ring(top, kOrange, 12));
  EXPECT_EQ(At(5, 22), kOrange);
  EXPECT_EQ(At(5, 21), Ring(top, kOrange, 21));
  // Inside the ring the face is untouched.
  EXPECT_EQ(At(4, 12), gfx::GradientColor(gfx::Lighten(kFace, 30), gfx::Darken(kFace, 10), 10, 19));

  form.WindowMouseMove(0, {110, 45});
  EXPECT_FALSE(button->Hot());
  Repaint();
  EXPECT_EQ(At(5, 22), gfx::Darken(kFace, 30));
}

TEST_F(ButtonTest, HotTrackOffShowsNoRing) {
  button->SetHotTrack(false);
  form.WindowMouseMove(0, {20, 20});
  Repaint();
  EXPECT_EQ(At(5, 22), gfx::Darken(kFace, 30));
}

TEST_F(ButtonTest, FocusRingBlendsHighlightWithLightFace) {
  button->SetFocus();
  Repaint();
  const TColor base = gfx::Lighten(kFace, 30);
  const TColor top = gfx::Blend(gfx::clHighlight, base, 60);
  const TColor bottom = gfx::Blend(gfx::clHighlight, base, 160);
  EXPECT_EQ(At(6, 2), top);
  EXPECT_EQ(At(6, 22), bottom);
  // The dotted focus rectangle three pixels in inverts every other pixel of the ring.
  EXPECT_EQ(At(3, 3), gfx::ColorToRGB(Ring(top, bottom, 3)) ^ 0xFFFFFF);
  EXPECT_EQ(At(4, 3), Ring(top, bottom, 3));
  // The mouse over it wins over the focus.
  form.WindowMouseMove(0, {20, 20});
  Repaint();
  EXPECT_EQ(At(6, 22), kOrange);
}

TEST_F(ButtonTest, HighlightTooCloseToButtonFaceIsDarkenedFirst) {
  // A grey highlight cannot stand out from the grey button face.
  const TColor grey = gfx::MakeColor(0xE0, 0xE0, 0xE0);
  ASSERT_TRUE(gfx::TooClose(grey, gfx::clBtnFace));
  button->SetHighlightColor(grey);
  button->SetShowFocusRect(false);
  button->SetFocus();
  Repaint();
  const TColor base = gfx::Lighten(kFace, 30);
  const TColor h = gfx::Darken(grey, 30);
  EXPECT_EQ(At(5, 2), gfx::Blend(h, base, 60));
  EXPECT_EQ(At(5, 22), gfx::Blend(h, base, 160));
  EXPECT_EQ(At(3, 3), Ring(gfx::Blend(h, base, 60), gfx::Blend(h, base, 160), 3));
}

TEST_F(ButtonTest, PressedFaceIsFlatWithoutRing) {
  form.WindowMouseMove(0, {20, 20});
  form.WindowMouseDown(mbLeft, 0, {20, 20});
  EXPECT_TRUE(button->Down());
  Repaint();
  for (TPoint p : {TPoint{2, 2}, TPoint{5, 12}, TPoint{44, 22}, TPoint{86, 21}}) {
    EXPECT_EQ(At(p.X, p.Y), gfx::Darken(kFace, 10)) << p.X << "," << p.Y;
  }
  EXPECT_EQ(At(44, 23), kFrame);
}

TEST_F(ButtonTest, PaletteDisplayPaintsFlatFaceAndNoRing) {
  gfx::SetFullColor(false);
  form.WindowMouseMove(0, {20, 20});
  Repaint();
  EXPECT_EQ(At(5, 2), kFace);
  EXPECT_EQ(At(5, 20), kFace);
  EXPECT_EQ(At(5, 21), gfx::Darken(kFace, 20));
  EXPECT_EQ(At(5, 22), gfx::Darken(kFace, 30));
}

TEST_F(ButtonTest, DisabledFrameIsTheFaceDarkenedBy80) {
  button->SetEnabled(false);
  Repaint();
  EXPECT_EQ(At(44, 1), gfx::Darken(kFace, 80));
}

TEST_F(ButtonTest, CaptionCentredInTheWindowFont) {
  const TSize s = Measure(button->Font(), "关闭");
  // Find the inked columns and rows of the caption.
  int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
  Repaint();
  for (int y = 4; y < 21; ++y) {
    for (int x = 4; x < 85; ++x) {
      const TColor c = At(x, y);
      if (gfx::RedOf(c) < 0x80) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
      }
    }
  }
  ASSERT_GE(maxX, 0);
  const int cellLeft = (89 - s.Width) / 2, cellTop = (25 - s.Height) / 2;
  EXPECT_GE(minX, cellLeft);
  EXPECT_LE(maxX, cellLeft + s.Width);
  EXPECT_GE(minY, cellTop);
  EXPECT_LE(maxY, cellTop + s.Height);
  // Centred: the ink sits about as far from the left as from the right.
  EXPECT_LE(std::abs((minX - 0) - (88 - maxX)), 4);
}

TEST_F(ButtonTest, MouseClicksOnlyOnReleaseInside) {
  form.WindowMouseMove(0, {20, 20});
  form.WindowMouseDown(mbLeft, 0, {20, 20});
  EXPECT_EQ(clicks, 0);
  form.WindowMouseMove(ssLeft, {110, 45});
  EXPECT_FALSE(button->Down());
  EXPECT_FALSE(button->Hot());
  form.WindowMouseMove(ssLeft, {20, 20});
  EXPECT_TRUE(button->Down());
  EXPECT_TRUE(button->Hot());
  form.WindowMouseMove(ssLeft, {110, 45});
  form.WindowMouseUp(mbLeft, ssLeft, {110, 45});
  EXPECT_EQ(clicks, 0);
  form.WindowMouseMove(0, {20, 20});
  form.WindowMouseDown(mbLeft, 0, {20, 20});
  form.WindowMouseUp(mbLeft, ssLeft, {20, 20});
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(button->Focused());
}

TEST_F(ButtonTest, EnterClicksAtOnceButNotWithModifiers) {
  button->SetFocus();
  form.WindowKeyDown(Key_Return, ssShift);
  form.WindowKeyDown(Key_Return, ssCtrl);
  EXPECT_EQ(clicks, 0);
  form.WindowKeyDown(Key_Return, 0);
  EXPECT_EQ(clicks, 1);
  // Not focused: Enter is not the button's.
  form.SetActiveControl(other);
  form.WindowKeyDown(Key_Return, 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, SpaceShowsPressedWhileHeldAndClicksOnRelease) {
  button->SetFocus();
  form.WindowKeyDown(Key_Space, 0);
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(clicks, 0);
  Repaint();
  EXPECT_EQ(At(5, 12), gfx::Darken(kFace, 10));
  form.WindowKeyUp(Key_Space, 0);
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(clicks, 1);
  // The focus leaving while Space is held: no click on the later release.
  form.WindowKeyDown(Key_Space, 0);
  form.SetActiveControl(other);
  form.WindowKeyUp(Key_Space, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button->Down());
}

TEST_F(ButtonTest, EscapeIsNotTheButtons) {
  button->SetFocus();
  form.WindowKeyDown(Key_Escape, 0);
  EXPECT_EQ(clicks, 0);
}

}  // namespace
