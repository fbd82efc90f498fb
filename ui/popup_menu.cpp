#include "ui/popup_menu.h"

#include <algorithm>

#include "gfx/canvas.h"
#include "gfx/edge.h"
#include "gfx/text_layout.h"
#include "ui/control_accessible.h"
#include "ui/form.h"

namespace {

bool InTree(TControl* root, const TControl* c) {
  if (root == c) {
    return true;
  }
  for (int i = 0; i < root->ControlCount(); ++i) {
    if (InTree(root->Control(i), c)) {
      return true;
    }
  }
  return false;
}

}  // namespace

TPopupMenu::TPopupMenu() {
  SetVisible(false);
  SetColor(gfx::clBtnFace);
}

void TPopupMenu::AddItem(std::string caption, TNotifyEvent onClick) {
  items_.push_back({std::move(caption), std::move(onClick)});
  Invalidate();
  AccessiblePartsReplaced();
}

int TPopupMenu::ItemHeight() const {
  return gfx::MeasureText(TextEngine(), Font(), "Pp").Height + 6;
}

TSize TPopupMenu::MeasuredSize() const {
  int widest = 0;
  for (const TItem& item : items_) {
    widest = std::max(widest, gfx::MeasureText(TextEngine(), Font(), item.Caption,
                                               gfx::dtSingleLine | gfx::dtNoPrefix)
                                  .Width);
  }
  return {2 * kFrame + kTextLeft + widest + kTextRight, 2 * kFrame + ItemCount() * ItemHeight()};
}

TRect TPopupMenu::ItemRect(int i) const {
  const int top = kFrame + i * ItemHeight();
  return {kFrame, top, Width() - kFrame, top + ItemHeight()};
}

int TPopupMenu::ItemAtPos(TPoint p) const {
  for (int i = 0; i < ItemCount(); ++i) {
    if (ItemRect(i).Contains(p)) {
      return i;
    }
  }
  return -1;
}

void TPopupMenu::Popup(TPoint formPos) {
  TForm* form = Form();
  if (!form || items_.empty()) {
    return;
  }
  const TSize size = MeasuredSize();
  const int left = std::max(std::min(formPos.X, form->Width() - size.Width), 0);
  const int top = std::max(std::min(formPos.Y, form->Height() - size.Height), 0);
  SetBounds(left, top, size.Width, size.Height);
  if (!up_) {
    previousFocus_ = form->ActiveControl();
  }
  up_ = true;
  highlight_ = 0;
  Show();
  form->SetShownMenu(this);
  TellReader(TAccEvent::MenuStart);
  form->SetActiveControl(this);
}

void TPopupMenu::CloseUp() {
  if (!up_) {
    return;
  }
  up_ = false;
  // The focus goes back first: leaving the menu closes it, which is under way.
  if (TForm* form = Form()) {
    form->SetShownMenu(nullptr);
    form->SetActiveControl(previousFocus_ && InTree(form, previousFocus_) ? previousFocus_
                                                                          : nullptr);
  }
  previousFocus_ = nullptr;
  Hide();
  TellReader(TAccEvent::MenuEnd);
  highlight_ = -1;
}

void TPopupMenu::TellReader(TAccEvent event) {
  TForm* form = Form();
  if (!form || !AccessibilityOn()) {
    return;
  }
  // The menu joined or left its parent's children.
  if (TAccessible* parent = Accessible()->Parent()) {
    form->AccessibilityChanged(TAccEvent::Reorder, *parent);
  }
  NotifyAccessible(event);
}

void TPopupMenu::ClickItem(int i) {
  if (i < 0 || i >= ItemCount()) {
    return;
  }
  CloseUp();
  if (items_[i].OnClick) {
    items_[i].OnClick();
  }
}

void TPopupMenu::SetHighlightIndex(int i) {
  if (i < -1 || i >= ItemCount()) {
    i = -1;
  }
  if (i == highlight_) {
    return;
  }
  highlight_ = i;
  Invalidate();
  if (Focused() && i >= 0) {
    NotifyAccessible(TAccEvent::Focus, ItemAccessible(i));
  }
}

void TPopupMenu::Paint(TCanvas& canvas) {
  const TRect all = ClientRect();
  canvas.FillRect(all.Deflate(2), Color());
  gfx::DrawEdge(canvas, all, gfx::esRaised);
  canvas.Font = Font();
  const int textHeight = gfx::MeasureText(TextEngine(), Font(), "Pp").Height;
  for (int i = 0; i < ItemCount(); ++i) {
    const TRect r = ItemRect(i);
    canvas.Font.Color = gfx::clBtnText;
    if (i == highlight_) {
      canvas.FillRect(r, gfx::clHighlight);
      canvas.Font.Color = gfx::clHighlightText;
    }
    const TRect text{r.Left + kTextLeft, r.Top, r.Right - kTextRight, r.Bottom};
    canvas.TextRect(text, text.Left, r.Top + (r.Height() - textHeight) / 2, items_[i].Caption);
  }
}

void TPopupMenu::MouseMove(TShiftState, int x, int y) {
  if (const int i = ItemAtPos({x, y}); i >= 0) {
    SetHighlightIndex(i);
  }
}

void TPopupMenu::MouseUp(TMouseButton, TShiftState, int x, int y) {
  ClickItem(ItemAtPos({x, y}));
}

void TPopupMenu::MouseLeave() {
  SetHighlightIndex(-1);
}

bool TPopupMenu::KeyDown(TKey key, TShiftState shift) {
  const int n = ItemCount();
  switch (key) {
    case Key_Up:
      SetHighlightIndex(highlight_ <= 0 ? n - 1 : highlight_ - 1);
      break;
    case Key_Down:
      SetHighlightIndex(highlight_ < 0 || highlight_ >= n - 1 ? 0 : highlight_ + 1);
      break;
    case Key_Home:
      SetHighlightIndex(0);
      break;
    case Key_End:
      SetHighlightIndex(n - 1);
      break;
    case Key_Return:
    case Key_Space:
      ClickItem(highlight_);
      break;
    case Key_Escape:
    case Key_Apps:
    case Key_Alt:
      CloseUp();
      break;
    case Key_F10:
      if (shift == ssShift) {
        CloseUp();
      }
      break;
    default:
      break;
  }
  return true;  // nothing reaches the window behind an open menu
}

void TPopupMenu::DoExit() {
  TStyledWinControl::DoExit();
  CloseUp();
}

TAccessible* TPopupMenu::ItemAccessible(int i) {
  if (!AccessibilityOn()) {
    return nullptr;
  }
  TControlAccessible* node = Accessible();
  return node ? node->Part(i) : nullptr;
}
