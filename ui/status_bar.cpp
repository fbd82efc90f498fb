#include "ui/status_bar.h"

#include "gfx/canvas.h"
#include "gfx/shading.h"
#include "gfx/text_layout.h"
#include "ui/form.h"

TRzStatusBar::TRzStatusBar() {
  SetColor(gfx::clBtnFace);
  SetBounds(0, 0, 200, 19);
}

bool TRzStatusBar::SizeGripValid() const {
  const TForm* form = Form();
  if (!showSizeGrip_ || !form || !form->Sizeable()) {
    return false;
  }
  return !(form->Window() && form->Window()->Maximized());
}

TRect TRzStatusBar::SizeGripRect() const {
  return {Width() - kGripWidth, 0, Width(), Height()};
}

void TRzStatusBar::Paint(TCanvas& canvas) {
  canvas.FillRect(ClientRect(), Color());
  if (!SizeGripValid()) {
    return;
  }
  int r = Width() - 1, b = Height() - 1;
  // Dots as (column offset, row offset) of their top-left, light then dark.
  const int dots[6][2] = {{5, 12}, {5, 8}, {5, 4}, {9, 8}, {9, 4}, {13, 4}};
  for (auto& d : dots) {
    canvas.FillRect(Bounds(r - d[0], b - d[1], 2, 2), gfx::clBtnHighlight);
  }
  for (auto& d : dots) {
    canvas.FillRect(Bounds(r - d[0] - 1, b - d[1] - 1, 2, 2), gfx::clBtnShadow);
  }
}

TCursor TRzStatusBar::CursorAt(int x, int y) const {
  if (SizeGripValid() && SizeGripRect().Contains(x, y)) {
    return crSizeNWSE;
  }
  return Cursor;
}

void TRzStatusBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TStyledWinControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !SizeGripValid() || !SizeGripRect().Contains(x, y)) {
    return;
  }
  TForm* form = Form();
  if (!form || !form->Window()) {
    return;
  }
  SetMouseCapture(false);
  form->CancelMode();
  form->Window()->BeginResizeDrag(form->Window()->ClientToScreen(ClientToForm({x, y})));
}

TRzStatusPane::TRzStatusPane() {
  SetBounds(0, 0, 100, 19);
  SetTransparent(true);
  SetColor(gfx::clBtnFace);
}

bool TRzStatusPane::ReachesSizeGrip() const {
  const auto* bar = dynamic_cast<const TRzStatusBar*>(Parent());
  return bar && bar->SizeGripValid() && Left() + Width() >= bar->Width();
}

bool TRzStatusPane::HitTest(int x, int y) const {
  return !(ReachesSizeGrip() && x >= Width() - kGripShare) && TStyledControl::HitTest(x, y);
}

TRect TRzStatusPane::CaptionRect() const {
  TRect area = ClientRect().Deflate(borderWidth_ + 1);
  if (ReachesSizeGrip()) {
    area.Right -= kGripShare;
  }
  return area;
}

void TRzStatusPane::Paint(TCanvas& canvas) {
  if (!Transparent()) {
    canvas.FillRect(ClientRect(), Color());
  }
  TRect f = ClientRect().Deflate(borderWidth_);
  gfx::TColor frame = gfx::Lighten(flatColor_, flatColorAdjustment_);
  // Four lines, each one pixel short at both ends: the corners stay open.
  canvas.FillRect({f.Left, f.Top + 1, f.Left + 1, f.Bottom - 1}, frame);
  canvas.FillRect({f.Left + 1, f.Top, f.Right - 1, f.Top + 1}, frame);
  canvas.FillRect({f.Right - 1, f.Top + 1, f.Right, f.Bottom - 1}, frame);
  canvas.FillRect({f.Left + 1, f.Bottom - 1, f.Right - 1, f.Bottom}, frame);

  TRect area = CaptionRect();
  canvas.Font = Font();
  int textWidth = gfx::MeasureText(canvas.TextEngine(), Font(), Caption()).Width;
  int x = area.Left + captionOffset_ + 1;
  if (alignment_ == taRightJustify) {
    x = area.Right - captionOffset_ - 1 - textWidth;
  }
  if (alignment_ == taCenter) {
    x = (area.Left + area.Right) / 2 - textWidth / 2;
  }
  int y =
      area.Top + (area.Height() - gfx::MeasureText(canvas.TextEngine(), Font(), "Pp").Height) / 2;
  if (IsEnabled()) {
    canvas.TextRect(area, x, y, Caption());
  } else {
    canvas.Font.Color = gfx::clBtnHighlight;
    canvas.TextRect(area, x + 1, y + 1, Caption());
    canvas.Font.Color = gfx::clBtnShadow;
    canvas.TextRect(area, x, y, Caption());
  }
}
