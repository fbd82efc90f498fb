#include "ui/push_button.h"

#include <gtest/gtest.h>

#include "ui/styled.h"
#include "ui/tests/ui_fixture.h"

namespace {

// A bare push button of each kind: one that can take the focus, one that cannot.
template <class Base>
class TCounting : public TPushButton<Base> {
 public:
  int Clicks = 0;
  void Click() override { ++Clicks; }
};

class PushButtonTest : public UiTest {
 protected:
  PushButtonTest() {
    form.SetClientSize(200, 100);
    flat = form.Add<TCounting<TStyledControl>>();
    flat->SetBounds(10, 10, 50, 30);
    focusable = form.Add<TCounting<TStyledWinControl>>();
    focusable->SetBounds(100, 10, 50, 30);
    focusable->TabStop = true;
    form.ShowWindow();
  }
  TForm form;
  TCounting<TStyledControl>* flat = nullptr;
  TCounting<TStyledWinControl>* focusable = nullptr;
};

TEST_F(PushButtonTest, ThePressHoldsTheMouseAndTheLookFollowsThePointer) {
  form.WindowMouseMove(0, {20, 20});
  EXPECT_TRUE(flat->Hot());
  EXPECT_FALSE(flat->Down());
  form.WindowMouseDown(mbLeft, ssLeft, {20, 20});
  EXPECT_TRUE(flat->Down());
  EXPECT_EQ(form.CaptureControl(), flat);
  // Over the other button: this one shows up and not hot, the other stays cold.
  form.WindowMouseMove(ssLeft, {120, 20});
  EXPECT_FALSE(flat->Down());
  EXPECT_FALSE(flat->Hot());
  EXPECT_FALSE(focusable->Hot());
  form.WindowMouseMove(ssLeft, {25, 25});
  EXPECT_TRUE(flat->Down());
  EXPECT_TRUE(flat->Hot());
  form.WindowMouseUp(mbLeft, 0, {25, 25});
  EXPECT_EQ(flat->Clicks, 1);
  EXPECT_FALSE(flat->Down());
  EXPECT_EQ(form.CaptureControl(), nullptr);
  // Released outside: no click, and the button under the pointer turns hot.
  form.WindowMouseDown(mbLeft, ssLeft, {25, 25});
  form.WindowMouseMove(ssLeft, {120, 20});
  form.WindowMouseUp(mbLeft, 0, {120, 20});
  EXPECT_EQ(flat->Clicks, 1);
  EXPECT_FALSE(flat->Hot());
  EXPECT_TRUE(focusable->Hot());
  EXPECT_EQ(focusable->Clicks, 0);
}

TEST_F(PushButtonTest, OnlyTheLeftButtonPresses) {
  form.WindowMouseMove(0, {20, 20});
  form.WindowMouseDown(mbRight, ssRight, {20, 20});
  EXPECT_FALSE(flat->Down());
  form.WindowMouseUp(mbRight, 0, {20, 20});
  form.WindowMouseDown(mbMiddle, ssMiddle, {20, 20});
  form.WindowMouseUp(mbMiddle, 0, {20, 20});
  EXPECT_EQ(flat->Clicks, 0);
}

TEST_F(PushButtonTest, DisablingAHeldButtonLetsGoWithoutAClick) {
  form.WindowMouseMove(0, {20, 20});
  form.WindowMouseDown(mbLeft, ssLeft, {20, 20});
  flat->SetEnabled(false);
  EXPECT_FALSE(flat->Down());
  EXPECT_FALSE(flat->Hot());
  EXPECT_EQ(form.CaptureControl(), nullptr);
  form.WindowMouseUp(mbLeft, 0, {20, 20});
  flat->SetEnabled(true);
  form.WindowMouseMove(0, {21, 20});
  form.WindowMouseUp(mbLeft, 0, {21, 20});
  EXPECT_EQ(flat->Clicks, 0);
}

TEST_F(PushButtonTest, TheKeyboardClicksTheFocusedButton) {
  focusable->SetFocus();
  form.WindowKeyDown(Key_Return, 0);
  EXPECT_EQ(focusable->Clicks, 1);
  form.WindowKeyDown(Key_Return, ssAlt | ssShift);
  form.WindowKeyDown(Key_Space, ssCtrl);
  EXPECT_EQ(focusable->Clicks, 1);
  form.WindowKeyDown(Key_Space, 0);
  form.WindowKeyDown(Key_Space, 0);  // the key repeats while held
  EXPECT_TRUE(focusable->Down());
  EXPECT_EQ(focusable->Clicks, 1);
  form.WindowKeyUp(Key_Space, 0);
  EXPECT_EQ(focusable->Clicks, 2);
  EXPECT_FALSE(focusable->Down());
  // A Space released that was not pressed here does nothing.
  form.WindowKeyUp(Key_Space, 0);
  EXPECT_EQ(focusable->Clicks, 2);
  // Disabled while Space is held: no click on release.
  form.WindowKeyDown(Key_Space, 0);
  focusable->SetEnabled(false);
  focusable->SetEnabled(true);
  form.WindowKeyUp(Key_Space, 0);
  EXPECT_EQ(focusable->Clicks, 2);
}

}  // namespace
