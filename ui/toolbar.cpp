#include "ui/toolbar.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "gfx/canvas.h"
#include "gfx/shading.h"

TRzToolbar::TRzToolbar() {
  SetColor(gfx::clBtnFace);
  SetBounds(0, 0, 185, 29);
}

void TRzToolbar::ForgetRemovedControls() {
  // Compares pointers only: a removed control may already be gone.
  std::erase_if(ToolbarControls, [this](const TControl* c) {
    for (int i = 0; i < ControlCount(); ++i) {
      if (Control(i) == c) {
        return false;
      }
    }
    return true;
  });
}

void TRzToolbar::LayoutControls() {
  if (layingOut_) {
    return;
  }
  layingOut_ = true;
  ForgetRemovedControls();
  int x = Margin;
  int row = 1;
  bool any = false;
  for (size_t i = 0; i < ToolbarControls.size(); ++i) {
    TControl* c = ToolbarControls[i];
    if (!c->Visible()) {
      continue;
    }
    if (WrapControls && i > 0 && Width() - Margin < x + c->Width()) {
      x = Margin;
      ++row;
    }
    int top = (row - 1) * RowHeight + TopMargin + RowHeight / 2 - c->Height() / 2;
    c->SetBounds(x, top, c->Width(), c->Height());
    x += c->Width();
    any = true;
  }
  rows_ = row;
  int height = Height();
  if (AutoResize && (Align() == alTop || Align() == alBottom)) {
    height = RowHeight * rows_ + 2 * TopMargin;
  }
  if (AutoSize && any) {
    int top = INT_MAX, bottom = INT_MIN;
    for (TControl* c : ToolbarControls) {
      if (!c->Visible()) {
        continue;
      }
      top = std::min(top, c->Top());
      bottom = std::max(bottom, c->Top() + c->Height());
    }
    for (TControl* c : ToolbarControls) {
      if (c->Visible()) {
        c->SetTop(c->Top() - top);
      }
    }
    height = bottom - top;
  }
  if (height != Height()) {
    SetHeight(height);
  }
  layingOut_ = false;
}

void TRzToolbar::Resize() {
  LayoutControls();
  TStyledWinControl::Resize();
}

void TRzToolbar::ChildChanged(TControl* child) {
  TStyledWinControl::ChildChanged(child);
  // Showing or hiding a control closes or opens its place in the row.
  if (std::find(ToolbarControls.begin(), ToolbarControls.end(), child) != ToolbarControls.end()) {
    LayoutControls();
  }
}

void TRzToolbar::AlignControls(TRect area) {
  // Removing a child realigns the parent; the remaining controls close up.
  size_t before = ToolbarControls.size();
  ForgetRemovedControls();
  TStyledWinControl::AlignControls(area);
  if (ToolbarControls.size() != before) {
    LayoutControls();
  }
}

void TRzToolbar::ChangeScale(int m, int d) {
  Margin = gfx::MulDiv(Margin, m, d);
  TopMargin = gfx::MulDiv(TopMargin, m, d);
  RowHeight = gfx::MulDiv(RowHeight, m, d);
  TStyledWinControl::ChangeScale(m, d);
  LayoutControls();
}

void TRzToolbar::Paint(TCanvas& canvas) {
  int w = Width(), h = Height();
  int top = 0, bottom = h;
  if (BorderTop && h >= 2) {
    canvas.FillRect({0, 0, w, 1}, gfx::clBtnShadow);
    canvas.FillRect({0, 1, w, 2}, gfx::clBtnHighlight);
    top = 2;
  }
  if (BorderBottom && h >= 4) {
    canvas.FillRect({0, h - 2, w, h - 1}, gfx::clBtnShadow);
    canvas.FillRect({0, h - 1, w, h}, gfx::clBtnHighlight);
    bottom = h - 2;
  }
  TRect band{0, top, w, bottom};
  if (VisualStyle == vsGradient) {
    gfx::TColor end = gfx::Darken(gfx::clBtnFace, 10);
    gfx::FillGradient(canvas, band, gfx::clWindow, end);
  } else {
    canvas.FillRect(band, Color());
  }
}
