// A stand-in for the program in the Wine end-to-end check while app/ is not
// built: the main window layout on the Win32 platform, with Alt+E closing it
// and Alt+A opening a modal window in the about window's frame.
#include <windows.h>

#include "gfx/canvas.h"
#include "platform/win32/win32_gfx.h"
#include "platform/win32/win32_platform.h"
#include "ui/application.h"
#include "ui/form_dorvex_layout.h"

namespace {

class TSmokeAbout : public TForm {
 public:
  TSmokeAbout() {
    Kind = wkDialog;
    SetCaption("关于");
    SetColor(gfx::clWhite);
    SetClientSize(422, 347);
  }
  void Paint(TCanvas& canvas) override {
    TForm::Paint(canvas);
    canvas.Font.Name = "Arial";
    canvas.Font.Height = 19;
    canvas.Font.Bold = true;
    canvas.Font.Color = gfx::MakeColor(0x14, 0x76, 0x1F);
    canvas.DrawTextAt(88, 26, "Dorvex");
    canvas.Font.Height = 12;
    canvas.Font.Bold = false;
    canvas.Font.Color = gfx::clWindowText;
    canvas.DrawTextAt(32, 120, "(1)显示电脑启动时间、关机时间、登录用户等信息；");
  }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  platform_win32::InstallWin32Gfx();
  auto platform = CreateWin32Platform();
  TApplication app(*platform);
  TFormDorvexLayout form(app.ScreenDpi());
  form.TBExit->OnClick = [&] { form.Close(); };
  form.TBAbout->OnClick = [&] {
    TSmokeAbout about;
    about.ShowModal();
  };
  form.RzStatusPane1->SetCaption("记录数:0");
  app.MainForm = &form;
  form.ShowWindow();
  app.Run();
  return 0;
}
