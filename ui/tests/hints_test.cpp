#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/hints.h"
#include "ui/tests/ui_fixture.h"

namespace {

// The hint facility driven through a window's pointer moves.
class HintsTest : public UiTest {
 protected:
  HintsTest() {
    form.Caption = "Main";
    form.SetClientSize(300, 200);
    a = form.Add<TControl>();
    a->SetBounds(0, 0, 100, 100);
    a->ShowHint = true;
    a->Hint = "first";
    b = form.Add<TControl>();
    b->SetBounds(150, 0, 100, 100);
    b->ShowHint = true;
    b->Hint = "second";
    form.ShowWindow();
    window = platform.Windows().back();
  }
  void Move(int x, int y) { form.WindowMouseMove(0, {x, y}); }
  bool Visible() const { return app->Hints().HintVisible(); }

  TForm form;
  TControl* a = nullptr;
  TControl* b = nullptr;
  headless::THeadlessWindow* window = nullptr;
};

TEST_F(HintsTest, ShownAfterThePauseBelowThePointerAndHiddenAfterTheHidePause) {
  EXPECT_EQ(app->HintPause(), 500);
  EXPECT_EQ(app->HintHidePause(), 2500);
  Move(10, 10);
  Advance(499);
  EXPECT_FALSE(Visible());
  Move(12, 11);  // moving within the control does not restart the pause
  Advance(1);
  ASSERT_TRUE(Visible());
  EXPECT_EQ(app->Hints().HintText(), "first");
  auto* hint = platform.WindowWithTitle("");
  ASSERT_NE(hint, nullptr);
  TPoint screen = window->ClientToScreen({12, 11});
  EXPECT_EQ(hint->Position, (TPoint{screen.X, screen.Y + THintManager::kPointerOffset}));
  EXPECT_TRUE(hint->Shown);
  Advance(2499);
  EXPECT_TRUE(Visible());
  Advance(1);
  EXPECT_FALSE(Visible());
  EXPECT_FALSE(hint->Shown);
  // It stays hidden while the pointer stays on the same control.
  Move(13, 11);
  Advance(5000);
  EXPECT_FALSE(Visible());
}

TEST_F(HintsTest, LeavingTheControlHidesAtOnceAndTheNextOneWaitsItsPause) {
  Move(10, 10);
  Advance(500);
  ASSERT_TRUE(Visible());
  Move(160, 10);
  EXPECT_FALSE(Visible());
  Advance(499);
  EXPECT_FALSE(Visible());
  Advance(1);
  EXPECT_EQ(app->Hints().HintText(), "second");
  form.WindowMouseLeave();
  EXPECT_FALSE(Visible());
}

TEST_F(HintsTest, CancelRestartsThePauseAndAnEmptyHintShowsNothing) {
  a->Hint = "";
  Move(10, 10);
  Advance(1000);
  EXPECT_FALSE(Visible());
  // What a hover tip does on reaching a bar: cancel, then set the new text.
  app->Hints().CancelHint();
  a->Hint = "2024-03-05 7.25";
  Move(11, 10);
  Advance(499);
  EXPECT_FALSE(Visible());
  Advance(1);
  ASSERT_TRUE(Visible());
  EXPECT_EQ(app->Hints().HintText(), "2024-03-05 7.25");
  app->Hints().CancelHint();
  EXPECT_FALSE(Visible());
  app->SetHintPause(100);
  Move(12, 10);
  Advance(100);
  EXPECT_TRUE(Visible());
}

TEST_F(HintsTest, ShowHintOffOrAButtonPressShowsNothing) {
  a->ShowHint = false;
  Move(10, 10);
  Advance(600);
  EXPECT_FALSE(Visible());
  Move(160, 10);
  Advance(300);
  form.WindowMouseDown(mbLeft, ssLeft, {160, 10});
  form.WindowMouseUp(mbLeft, 0, {160, 10});
  Advance(300);
  EXPECT_FALSE(Visible());
}

TEST_F(HintsTest, TheSettingsAreTheApplicationsAndANewOneStartsFromTheDefaults) {
  app->SetHintPause(100);
  app->SetHintHidePause(200);
  Move(10, 10);
  Advance(100);
  ASSERT_TRUE(Visible());
  Advance(200);
  EXPECT_FALSE(Visible());
  // A negative pause is no pause, not a wait of weeks.
  app->SetHintPause(-1);
  EXPECT_EQ(app->HintPause(), 0);
  Move(160, 10);
  Advance(0);
  EXPECT_TRUE(Visible());

  headless::THeadlessPlatform other;
  TApplication next(other);
  EXPECT_EQ(next.HintPause(), 500);
  EXPECT_EQ(next.HintHidePause(), 2500);
}

}  // namespace
