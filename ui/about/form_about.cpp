#include "ui/about/form_about.h"

#include "gfx/canvas.h"
#include "gfx/text_layout.h"
#include "resources/artwork.h"
#include "ui/application.h"
#include "ui/layout_helpers.h"

TFormAbout* FormAbout = nullptr;

namespace {

gfx::TFont MakeFont(const char* name, int height, bool bold, gfx::TColor color) {
  return LayoutFont(name, height, bold, color);
}

TLabel* MakeLabel(TControl* parent, const char* name, int left, int top, int width, int height,
                  const std::string& caption, const gfx::TFont& font) {
  return PlaceLabel(parent, name, left, top, width, height, caption, font, gfx::clWhite);
}

TRzURLLabel* MakeLink(TControl* parent, const char* name, int left, int top,
                      const std::string& caption, const std::string& url) {
  auto* l = Place<TRzURLLabel>(parent, name, left, top, 0, 0);
  l->SetCaption(caption);
  l->SetURL(url);
  gfx::TFont font = MakeFont("Verdana", 11, false, gfx::clBlue);
  font.Underline = true;
  l->SetFont(font);
  l->SetUnvisitedColor(gfx::clBlue);
  l->SetVisitedColor(gfx::MakeColor(0x82, 0x5F, 0x46));
  l->SetColor(gfx::clWhite);
  l->SetTransparent(true);
  return l;
}

// A label's size for its caption, as a single line with the "&" prefix.
TSize CaptionSize(const TLabel& label) {
  const bool empty = label.Caption().empty();
  const TSize s = gfx::MeasureText(label.TextEngine(), label.Font(), empty ? " " : label.Caption(),
                                   gfx::dtSingleLine | gfx::dtExpandTabs);
  return {empty ? 0 : s.Width, s.Height};
}

// Fits the label to its text; a right-justified label keeps its right edge.
void AutoSize(TLabel& label) {
  const TSize s = CaptionSize(label);
  int left = label.Left();
  if (label.Alignment() == taRightJustify) {
    left += label.Width() - s.Width;
  }
  label.SetBounds(left, label.Top(), s.Width, s.Height);
}

}  // namespace

TFormAbout::TFormAbout(TForm* owner, int dpi) {
  Name = "FormAbout";
  SetCaption("关于");
  Kind = wkDialog;
  Owner = owner;
  SetColor(gfx::clWhite);
  SetFont(MakeFont("Arial", 12, false, gfx::clWindowText));
  SetBounds(0, 0, kClientWidth, kClientHeight);

  Image1 = Place<TImage>(this, "Image1", 31, 24, 32, 32);
  Image1->SetPicture(artwork::ProgramIcon(32));

  Label1 = MakeLabel(this, "Label1", 88, 26, 252, 22, "Dorvex",
                     MakeFont("Arial", 19, true, gfx::MakeColor(0x14, 0x76, 0x1F)));
  Label2 = MakeLabel(this, "Label2", 167, 90, 62, 19, "(Ver 2.0)",
                     MakeFont("Arial", 16, true, gfx::clPurple));

  Memo1 = Place<TMemo>(this, "Memo1", 32, 120, 369, 113);
  Memo1->SetFont(Font());
  Memo1->SetScrollBars(ssBoth);
  Memo1->SetWordWrap(true);
  Memo1->SetLines({
      "Dorvex",
      "(1)显示电脑启动时间、关机时间、登录用户等信息；",
      "(2)绘制工作时间统计图；",
      "(3)发现是否有人偷偷使用您的电脑；",
      "(4)监测儿童过度使用电脑。",
  });
  SetDescription(Memo1->Text());

  Label5 = MakeLabel(this, "Label5", 93, 242, 27, 15, "主页:", Font());
  Label5->SetAlignment(taRightJustify);
  RzURLLabel4 = MakeLink(this, "RzURLLabel4", 125, 241, kHomePage, kHomePage);

  Label6 = MakeLabel(this, "Label6", 32, 266, 88, 13, "邮件:", Font());
  Label6->SetAlignment(taRightJustify);
  RzURLLabel1 =
      MakeLink(this, "RzURLLabel1", 124, 265, kMailAddress, std::string("mailto:") + kMailAddress);
  Label5->SetLabelledControl(RzURLLabel4);
  Label6->SetLabelledControl(RzURLLabel1);

  Button1 = Place<TRzButton>(this, "Button1", 288, 312, 89, 25);
  Button1->SetCaption("关闭");
  Button1->SetFont(Font());
  Button1->SetHotTrack(true);
  Button1->SetFrameColor(gfx::MakeColor(0x00, 0x3C, 0x74));
  Button1->SetColor(gfx::MakeColor(0xBE, 0xDA, 0xF1));
  Button1->OnClick = [this] { Button1Click(); };

  // The button takes the focus when the window opens; the memo comes next,
  // then the two links.
  Button1->SetTabOrder(0);
  Memo1->SetTabOrder(1);
  RzURLLabel4->SetTabOrder(2);
  RzURLLabel1->SetTabOrder(3);

  SizeLabelsToText();
  if (dpi > 0 && dpi != 96) {
    ChangeScale(dpi, 96);
    SizeLabelsToText();
    // The icon is drawn afresh at the scaled size rather than left small.
    Image1->SetPicture(artwork::ProgramIcon(Image1->Width()));
  }
}

void TFormAbout::SizeLabelsToText() {
  // Label6 keeps its fixed box; the others follow their text.
  for (TLabel* l : {Label1, Label2, Label5, static_cast<TLabel*>(RzURLLabel4),
                    static_cast<TLabel*>(RzURLLabel1)}) {
    AutoSize(*l);
  }
}

void TFormAbout::Button1Click() {
  Close();
}

void ShowAboutWindow(TForm& owner) {
  TApplication* app = Application();
  auto form = std::make_unique<TFormAbout>(&owner, app ? app->ScreenDpi() : 96);
  FormAbout = form.get();
  form->ShowModal();
  // Nothing is read back; the window goes as soon as its loop returns.
  FormAbout = nullptr;
  form.reset();
}
