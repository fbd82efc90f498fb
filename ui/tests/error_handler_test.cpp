#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "ui/error_handler.h"
#include "ui/page_control.h"
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

TEST_F(ErrorHandlerTest, APaintThatFailsInTheMessageLoopIsShownAndTheProgramGoesOn) {
  TForm form;
  form.SetClientSize(300, 200);
  auto* pages = form.Add<TRzPageControl>();
  pages->SetAlign(alClient);
  pages->AddPage("TabSheet1", "日志");
  pages->AddPage("TabSheet2", "图表");
  app->MainForm = &form;
  form.ShowWindow();
  const gfx::TBitmap good = form.Image();

  // Tabs so far out that their outline cannot become a clipping region.
  std::vector<size_t> boxesSeen;
  platform.Post([&] { pages->SetMargin(0x4000000); });
  platform.Post([&] {
    boxesSeen.push_back(platform.MessageBoxes.size());
    pages->SetMargin(0);
  });
  platform.Post([&] {
    boxesSeen.push_back(platform.MessageBoxes.size());
    form.Close();
  });
  app->Run();

  EXPECT_EQ(boxesSeen, (std::vector<size_t>{1, 1}));
  ASSERT_EQ(platform.MessageBoxes.size(), 1u);
  EXPECT_EQ(platform.MessageBoxes[0].Text, "Error creating region.");
  EXPECT_EQ(platform.MessageBoxes[0].Title, "dorvex");  // from /usr/bin/dorvex
  EXPECT_EQ(platform.MessageBoxes[0].Icon, mbiError);
  // The paint after the error drew the whole control again.
  EXPECT_EQ(form.Image(), good);
  EXPECT_EQ(platform.Windows().back()->Screen, good);
}

TEST_F(ErrorHandlerTest, AFailingControlLeavesTheRestOfTheWindowPainted) {
  TForm form;
  form.SetClientSize(100, 40);
  form.SetColor(gfx::clWhite);
  auto* failing = form.Add<TControl>();
  failing->SetBounds(0, 0, 50, 40);
  struct TBlue : TControl {
    void Paint(TCanvas& canvas) override { canvas.FillRect(ClientRect(), gfx::clBlue); }
  };
  auto* blue = form.Add<TBlue>();
  blue->SetBounds(50, 0, 50, 40);
  form.ShowWindow();
  struct TThrowing : TControl {
    void Paint(TCanvas&) override { throw std::runtime_error("cannot paint"); }
  };
  auto* inner = failing->Add<TThrowing>();
  inner->SetBounds(0, 0, 10, 10);
  auto* second = failing->Add<TThrowing>();
  second->SetBounds(20, 0, 10, 10);
  form.Invalidate();
  form.UpdateWindow();
  // One box for the one paint, and the control next to the failing ones painted.
  ASSERT_EQ(platform.MessageBoxes.size(), 1u);
  EXPECT_EQ(platform.MessageBoxes[0].Text, "cannot paint.");
  EXPECT_EQ(PixelAt(form.Image(), 75, 20), gfx::clBlue);
  EXPECT_EQ(PixelAt(platform.Windows().back()->Screen, 75, 20), gfx::clBlue);
  EXPECT_FALSE(form.HasDirtyAreas());
}

}  // namespace
