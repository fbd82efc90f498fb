// The toolkit's main window on the Win32 platform: input arriving as window
// messages reaches the controls (run under Wine in CI).
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_window.h"
#include "ui/application.h"
#include "ui/form_dorvex_layout.h"

// After the toolkit's headers: windows.h defines macros named like their constants.
#include <windows.h>

#undef CreateWindow

namespace platform_win32 {
namespace {

HWND HwndOf(TForm& form) {
  return static_cast<HWND>(static_cast<TWin32Window*>(form.Window())->Handle());
}

TEST(Win32Toolkit, AltLettersClickTheToolbarButtons) {
  auto platform = CreateWin32Platform();
  TApplication app(*platform);
  TFormDorvexLayout form(app.ScreenDpi());
  int about = 0, exits = 0, home = 0;
  form.TBAbout->OnClick = [&] { ++about; };
  form.TBExit->OnClick = [&] { ++exits; };
  form.TBHomePage->OnClick = [&] { ++home; };
  app.MainForm = &form;
  form.ShowWindow();
  HWND h = HwndOf(form);
  const LPARAM alt = 1 | (1 << 29);
  SendMessageW(h, WM_SYSKEYDOWN, 'A', alt);
  EXPECT_EQ(about, 1);
  SendMessageW(h, WM_SYSKEYDOWN, 'H', alt);  // the hidden help button leaves Alt+H to home
  EXPECT_EQ(home, 1);
  SendMessageW(h, WM_SYSKEYDOWN, 'E', alt);
  EXPECT_EQ(exits, 1);
}

TEST(Win32Toolkit, TheWindowOpensAtTheLayoutsClientSizeScaledToTheScreen) {
  auto platform = CreateWin32Platform();
  TApplication app(*platform);
  TFormDorvexLayout form(app.ScreenDpi());
  app.MainForm = &form;
  form.ShowWindow();
  RECT r;
  GetClientRect(HwndOf(form), &r);
  const int dpi = app.ScreenDpi();
  // The display runner sets the screen's resolution; it must have reached the toolkit.
  if (const char* want = std::getenv("DORVEX_TEST_DPI")) {
    EXPECT_EQ(dpi, std::atoi(want));
  }
  EXPECT_EQ(r.right, MulDiv(673, dpi, 96));
  EXPECT_EQ(r.bottom, MulDiv(475, dpi, 96));
}

TEST(Win32Toolkit, TheCloseBoxClosesTheMainFormAndEndsTheLoop) {
  auto platform = CreateWin32Platform();
  TApplication app(*platform);
  TFormDorvexLayout form(app.ScreenDpi());
  app.MainForm = &form;
  form.ShowWindow();
  PostMessageW(HwndOf(form), WM_CLOSE, 0, 0);
  app.Run();
  EXPECT_TRUE(form.Closed());
  EXPECT_FALSE(IsWindowVisible(HwndOf(form)));
}

}  // namespace
}  // namespace platform_win32
