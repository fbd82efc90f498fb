#include "platform/x11/x11_message_box.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "gfx/canvas.h"
#include "gfx/shading.h"
#include "gfx/text_layout.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/push_button.h"
#include "ui/styled.h"

namespace x11 {

namespace {

constexpr int kIconSize = 32;
constexpr int kMargin = 20;
constexpr int kTextWidth = 360;
constexpr int kButtonWidth = 75, kButtonHeight = 23;
constexpr int kFooter = 42;

class TOkButton : public TPushButton<TStyledWinControl> {
 public:
  TOkButton() { TabStop = true; }
  void Paint(TCanvas& canvas) override {
    TRect r = ClientRect();
    canvas.FillRect(r, Down() ? gfx::Darken(gfx::clBtnFace, 10) : gfx::clBtnFace);
    canvas.FrameRect(r, Focused() ? gfx::clHighlight : gfx::clBtnShadow);
    canvas.Font = Font();
    TRect text = Down() ? r.Offset(1, 1) : r;
    canvas.DrawTextIn("OK", text, gfx::dtCenter | gfx::dtVCenter | gfx::dtSingleLine);
    if (Focused()) {
      canvas.DrawFocusRect(r.Deflate(3));
    }
  }
};

class TMessageForm : public TForm {
 public:
  TMessageForm(const std::string& text, const std::string& title, TMessageBoxIcon icon)
      : text_(text), icon_(icon) {
    Kind = wkDialog;
    SetCaption(title);
    SetDescription(text);  // painted, not a control: a reader hears it here
    SetColor(gfx::clWindow);
    gfx::TFont font = Font();
    font.Name = "Arial";
    font.Height = 12;
    SetFont(font);
    const TSize size = gfx::MeasureText(TextEngine(), Font(), text_,
                                        gfx::dtWordBreak | gfx::dtNoPrefix, kTextWidth);
    textRect_ = {0, 0, size.Width, size.Height};
    int textLeft = kMargin + (icon_ == mbiNone ? 0 : kIconSize + 12);
    textRect_ =
        textRect_.Offset(textLeft, kMargin + std::max(0, (kIconSize - textRect_.Height()) / 2));
    int width = std::max(textRect_.Right + kMargin, kButtonWidth + 2 * kMargin);
    int height = std::max(textRect_.Bottom, kMargin + kIconSize) + kMargin + kFooter;
    SetClientSize(width, height);
    button_ = Add<TOkButton>();
    button_->SetFont(Font());
    button_->SetBounds(width - kMargin - kButtonWidth,
                       height - kFooter + (kFooter - kButtonHeight) / 2, kButtonWidth,
                       kButtonHeight);
    button_->OnClick = [this] { Close(); };
    SetActiveControl(button_);
  }

  void Paint(TCanvas& canvas) override {
    canvas.FillRect(ClientRect(), Color());
    canvas.FillRect({0, Height() - kFooter, Width(), Height()}, gfx::clBtnFace);
    if (icon_ == mbiError) {
      PaintErrorIcon(canvas, kMargin, kMargin);
    }
    canvas.Font = Font();
    TRect r = textRect_;
    canvas.DrawTextIn(text_, r, gfx::dtWordBreak | gfx::dtNoPrefix);
  }

  void WindowKeyDown(TKey key, TShiftState shift) override {
    if (key == Key_Return || key == Key_Escape || key == Key_Space) {
      Close();
      return;
    }
    TForm::WindowKeyDown(key, shift);
  }

 private:
  // A red disc with a white cross.
  static void PaintErrorIcon(TCanvas& canvas, int x0, int y0) {
    for (int y = 0; y < kIconSize; ++y) {
      for (int x = 0; x < kIconSize; ++x) {
        double dx = x + 0.5 - kIconSize / 2.0, dy = y + 0.5 - kIconSize / 2.0;
        double d = dx * dx + dy * dy;
        if (d <= 15.5 * 15.5) {
          canvas.SetPixel(
              x0 + x, y0 + y,
              d <= 14.5 * 14.5 ? gfx::MakeColor(232, 17, 35) : gfx::MakeColor(160, 0, 0));
        }
      }
    }
    canvas.Pen.Color = gfx::clWhite;
    canvas.Pen.Width = 3;
    canvas.Line(x0 + 10, y0 + 10, x0 + 22, y0 + 22);
    canvas.Line(x0 + 22, y0 + 10, x0 + 10, y0 + 22);
    canvas.Pen.Width = 1;
  }

  std::string text_;
  TMessageBoxIcon icon_;
  TRect textRect_;
  TOkButton* button_ = nullptr;
};

}  // namespace

void ShowMessageForm(const std::string& text, const std::string& title, TMessageBoxIcon icon) {
  if (!Application()) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    return;
  }
  TMessageForm form(text, title, icon);
  form.ShowModal();
}

}  // namespace x11
