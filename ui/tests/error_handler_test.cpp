#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/error_handler.h"
#include "ui/tests/ui_fixture.h"

namespace {

TEST(ErrorText, FullStopOnlyAfterCharactersSortingAfterIt) {
  EXPECT_EQ(ErrorMessageText("'2009/3/x' is not a valid date and time"),
            "'2009/3/x' is not a valid date and time.");
  EXPECT_EQ(ErrorMessageText("Done."), "Done.");
  EXPECT_EQ(ErrorMessageText("Why!"), "Why!");
  EXPECT_EQ(ErrorMessageText("(x)"), "(x)");
  EXPECT_EQ(ErrorMessageText("a-"), "a-");
  EXPECT_EQ(ErrorMessageText("a/"), "a/.");
  EXPECT_EQ(ErrorMessageText("9"), "9.");
  EXPECT_EQ(ErrorMessageText("出错"), "出错.");
  EXPECT_EQ(ErrorMessageText(""), "");
}

TEST(ErrorText, TitleIsTheProgramNameUpToItsFirstDot) {
  EXPECT_EQ(TitleFromProgramPath("C:\\Program Files\\Dorvex\\DORVEX.EXE"), "Dorvex");
  EXPECT_EQ(TitleFromProgramPath("/usr/local/bin/dorvex"), "dorvex");
  EXPECT_EQ(TitleFromProgramPath("build/app/DorVex.2.0.exe"), "Dorvex");
  EXPECT_EQ(TitleFromProgramPath("x.exe"), "x");
  EXPECT_EQ(TitleFromProgramPath("/opt/.hidden"), "");
}

using ErrorHandlerTest = UiTest;

TEST_F(ErrorHandlerTest, ShowsAnErrorBoxTitledFromTheProgramAndEndsTheCapture) {
  platform.Program = "/usr/bin/DORVEX.bin";
  TApplication fresh(platform);  // reads the title again
  TForm form;
  form.SetClientSize(100, 100);
  auto* c = form.Add<TControl>();
  c->SetBounds(0, 0, 50, 50);
  c->OnMouseDown = [](TMouseButton, TShiftState, int, int) {
    throw std::runtime_error("'1' is not a valid date and time");
  };
  form.WindowMouseDown(mbLeft, ssLeft, {5, 5});
  EXPECT_EQ(form.CaptureControl(), nullptr);
  ASSERT_EQ(platform.MessageBoxes.size(), 1u);
  EXPECT_EQ(platform.MessageBoxes[0].Text, "'1' is not a valid date and time.");
  EXPECT_EQ(platform.MessageBoxes[0].Title, "Dorvex");
  EXPECT_EQ(platform.MessageBoxes[0].Icon, mbiError);
}

TEST_F(ErrorHandlerTest, AnErrorInTheCreationHandlerStillLetsTheWindowShow) {
  TForm form;
  int created = 0;
  form.OnCreate = [&] {
    ++created;
    throw std::runtime_error("bad");
  };
  form.DoCreate();
  form.ShowWindow();
  EXPECT_EQ(created, 1);
  ASSERT_EQ(platform.MessageBoxes.size(), 1u);
  EXPECT_EQ(platform.MessageBoxes[0].Text, "bad.");
  ASSERT_FALSE(platform.Windows().empty());
  EXPECT_TRUE(platform.Windows().back()->Shown);
}

}  // namespace
