#include "ui/hint_window.h"

#include "gfx/canvas.h"
#include "gfx/text_layout.h"

namespace {
constexpr int kPadX = 3;
constexpr int kPadY = 2;
}  // namespace

THintWindow::THintWindow() {
  Kind = wkPopup;
  SetColor(gfx::clInfoBk);
  gfx::TFont font = Font();
  font.Name = "Arial";
  font.Height = 12;
  font.Color = gfx::clInfoText;
  SetFont(font);
}

void THintWindow::ActivateHint(const std::string& text, TPoint screenPos) {
  text_ = text;
  pos_ = screenPos;
  const TSize s = gfx::MeasureText(TextEngine(), Font(), text_, gfx::dtNoPrefix);
  SetClientSize(s.Width + 2 * kPadX + 2, s.Height + 2 * kPadY + 2);
  ShowWindow();
  if (Window()) {
    Window()->SetClientSize(Width(), Height());
    Window()->MoveTo(pos_.X, pos_.Y);
  }
  Invalidate();
}

void THintWindow::Paint(TCanvas& canvas) {
  TRect r = ClientRect();
  canvas.FillRect(r, Color());
  canvas.FrameRect(r, gfx::clBlack);
  TRect text = r.Deflate(1);
  text.Left += kPadX;
  text.Top += kPadY;
  canvas.Font = Font();
  canvas.DrawTextIn(text_, text, gfx::dtLeft | gfx::dtNoPrefix);
}
