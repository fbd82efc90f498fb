#include "ui/label.h"

#include "gfx/canvas.h"

void TLabel::Paint(TCanvas& canvas) {
  TRect r = ClientRect();
  if (!Transparent()) {
    canvas.FillRect(r, Color());
  }
  canvas.Font = Font();
  canvas.Font.Color = TextColor();
  unsigned flags = gfx::dtSingleLine | gfx::dtExpandTabs;
  if (alignment_ == taRightJustify) {
    flags |= gfx::dtRight;
  }
  if (alignment_ == taCenter) {
    flags |= gfx::dtCenter;
  }
  canvas.DrawTextIn(Caption(), r, flags);
}

TControl* TLabel::LabelledControl() const {
  if (labelled_.empty()) {
    return nullptr;
  }
  TControl* root = const_cast<TLabel*>(this);
  while (root->Parent()) {
    root = root->Parent();
  }
  return root->FindControl(labelled_);
}
