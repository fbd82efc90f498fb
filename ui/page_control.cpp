#include "ui/page_control.h"

#include <algorithm>
#include <array>

#include "gfx/canvas.h"
#include "gfx/shading.h"
#include "ui/form.h"

TRzPageControl* TRzTabSheet::PageControl() const {
  return dynamic_cast<TRzPageControl*>(Parent());
}

TRzPageControl::TRzPageControl() {
  Color = gfx::clWindow;
  TabStop = true;
  Font.Bold = true;
  SetBounds(0, 0, 289, 193);
}

TRzTabSheet* TRzPageControl::AddPage(const std::string& name, const std::string& caption) {
  auto* page = Add<TRzTabSheet>();
  page->Name = name;
  page->Caption = caption;
  page->Font = Font;
  page->Font.Bold = false;
  pages_.push_back(page);
  page->SetVisible(false);
  if (tabIndex_ < 0)
    SetTabIndex(0);
  Realign();
  return page;
}

void TRzPageControl::SetTabIndex(int index) {
  if (index < 0 || index >= PageCount() || index == tabIndex_)
    return;
  // A focused control on the page that goes away hands the focus to the tab row.
  TForm* form = Form();
  TRzTabSheet* old = ActivePage();
  bool focusOnOld = false;
  if (form && old) {
    for (TControl* c = form->ActiveControl(); c; c = c->Parent())
      focusOnOld |= c == old;
  }
  tabIndex_ = index;
  for (int i = 0; i < PageCount(); ++i)
    pages_[i]->SetVisible(i == index);
  Realign();
  Invalidate();
  if (focusOnOld)
    SetFocus();
  if (OnChange)
    OnChange();
}

TRzTabSheet* TRzPageControl::ActivePage() const {
  return tabIndex_ >= 0 && tabIndex_ < PageCount() ? pages_[tabIndex_] : nullptr;
}

void TRzPageControl::SetActivePage(TRzTabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it != pages_.end())
    SetTabIndex(static_cast<int>(it - pages_.begin()));
}

int TRzPageControl::TabWidth(int index) const {
  gfx::TBitmap scratch(1, 1);
  TCanvas canvas(scratch);
  canvas.Font = Font;
  int w =
      std::max(canvas.TextWidth(gfx::StripPrefix(pages_[index]->Caption)), canvas.TextWidth("AAA"));
  return std::min(w + 16, Width() - 2 - 4);
}

TRect TRzPageControl::TabRect(int index) const {
  int x = Margin;
  for (int i = 0; i < index; ++i)
    x += TabWidth(i) + 2;
  return {x, 3, x + TabWidth(index), TabRowHeight()};
}

TRect TRzPageControl::PageRect() const {
  // Card: tab row above, 1-pixel frame, 2-pixel shadow right and below.
  return {1, TabRowHeight() + 1, Width() - 3, Height() - 3};
}

int TRzPageControl::TabAtPos(TPoint p) const {
  for (int i = 0; i < PageCount(); ++i) {
    TRect r = TabRect(i);
    if (i == tabIndex_)
      r = {r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom};
    if (r.Contains(p))
      return i;
  }
  return -1;
}

void TRzPageControl::AlignControls(TRect) {
  TRect page = PageRect();
  for (TRzTabSheet* p : pages_)
    p->SetBoundsRect(page);
}

void TRzPageControl::ChangeScale(int m, int d) {
  FixedDimension = gfx::MulDiv(FixedDimension, m, d);
  TStyledWinControl::ChangeScale(m, d);
}

void TRzPageControl::Paint(TCanvas& canvas) {
  int w = Width(), h = Height();
  int row = TabRowHeight();
  canvas.FillRect({0, 0, w, row}, BackgroundColor);
  auto drawTab = [&](int i) {
    TRect r = TabRect(i);
    bool selected = i == tabIndex_;
    if (selected)
      r = {r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 1};
    if (selected) {
      canvas.FillRect(r, Color);
    } else {
      gfx::FillGradientOrFlat(canvas, r, TabUnselectedColor, TabShadowColor, TabUnselectedColor);
    }
    // Cut top corners, as the round-corner tab style's outline.
    canvas.SetPixel(r.Left, r.Top, BackgroundColor);
    canvas.SetPixel(r.Right - 1, r.Top, BackgroundColor);
    canvas.Pen.Color = gfx::clBtnShadow;
    canvas.Pen.Width = 1;
    std::array<TPoint, 6> outline{TPoint{r.Left, r.Bottom}, {r.Left, r.Top + 2},
                                  {r.Left + 2, r.Top},      {r.Right - 3, r.Top},
                                  {r.Right - 1, r.Top + 2}, {r.Right - 1, r.Bottom}};
    canvas.Polyline(outline);
    TRect text{r.Left + 5, r.Top + 3, r.Right - 5, r.Bottom - 3};
    canvas.Font = Font;
    canvas.Font.Color = selected ? TextColorSelected : TextColorUnselected;
    canvas.DrawText(pages_[i]->Caption, text, gfx::dtCenter | gfx::dtTop | gfx::dtSingleLine);
  };
  for (int i = PageCount() - 1; i >= 0; --i) {
    if (i != tabIndex_)
      drawTab(i);
  }
  // Card frame, then the selected tab over its top edge, then the soft shadow.
  TRect card{0, row, w - 2, h - 2};
  canvas.FillRect(card, Color);
  canvas.FrameRect(card, gfx::clBtnShadow);
  if (tabIndex_ >= 0)
    drawTab(tabIndex_);
  canvas.BlendRect({w - 2, row + 2, w - 1, h - 1}, gfx::clBlack, 30);
  canvas.BlendRect({2, h - 2, w - 2, h - 1}, gfx::clBlack, 30);
  canvas.BlendRect({w - 1, row + 3, w, h}, gfx::clBlack, 15);
  canvas.BlendRect({3, h - 1, w - 1, h}, gfx::clBlack, 15);
  if (Focused() && tabIndex_ >= 0) {
    TRect r = TabRect(tabIndex_);
    canvas.DrawFocusRect({r.Left + 3, r.Top, r.Right - 3, r.Bottom - 2});
  }
}

void TRzPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TStyledWinControl::MouseDown(button, shift, x, y);
  if (button != mbLeft)
    return;
  int i = TabAtPos({x, y});
  if (i >= 0)
    SetTabIndex(i);
}

bool TRzPageControl::KeyDown(TKey key, TShiftState shift) {
  if (PageCount() == 0)
    return false;
  if (key == VK_TAB && (shift & ssCtrl)) {
    int n = PageCount();
    int step = (shift & ssShift) ? n - 1 : 1;
    SetTabIndex((tabIndex_ + step) % n);
    return true;
  }
  if (Focused()) {
    if (key == VK_HOME) {
      SetTabIndex(0);
      return true;
    }
    if (key == VK_END) {
      SetTabIndex(PageCount() - 1);
      return true;
    }
    if (key == VK_RIGHT || key == VK_LEFT) {
      int n = PageCount();
      SetTabIndex((tabIndex_ + (key == VK_RIGHT ? 1 : n - 1)) % n);
      return true;
    }
  }
  return false;
}
