#include "ui/page_control.h"

#include <algorithm>
#include <array>

#include "gfx/canvas.h"
#include "gfx/shading.h"
#include "gfx/text_layout.h"
#include "ui/control_accessible.h"
#include "ui/form.h"

TRzPageControl* TRzTabSheet::PageControl() const {
  return dynamic_cast<TRzPageControl*>(Parent());
}

void TRzTabSheet::CaptionChanged() {
  if (TRzPageControl* pages = PageControl()) {
    pages->InvalidateRect({0, 0, pages->Width(), pages->TabRowHeight() + 1});
  }
  // A reader that has seen the page has seen its tab, which comes before it.
  if (HasAccessible()) {
    NotifyAccessible(TAccEvent::NameChange, TabAccessible());
  }
}

TAccessible* TRzTabSheet::TabAccessible() const {
  TRzPageControl* pages = PageControl();
  if (!pages || !AccessibilityOn()) {
    return nullptr;
  }
  for (int i = 0; i < pages->PageCount(); ++i) {
    if (pages->Page(i) == this) {
      TControlAccessible* node = pages->Accessible();
      return node ? node->Part(i) : nullptr;
    }
  }
  return nullptr;
}

TRzPageControl::TRzPageControl() {
  SetColor(gfx::clWindow);
  TabStop = true;
  gfx::TFont font = Font();
  font.Bold = true;
  SetFont(font);
  SetBounds(0, 0, 289, 193);
}

TRzTabSheet* TRzPageControl::AddPage(const std::string& name, const std::string& caption) {
  auto* page = Add<TRzTabSheet>();
  page->Name = name;
  page->SetCaption(caption);
  gfx::TFont pageFont = Font();
  pageFont.Bold = false;
  page->SetFont(pageFont);
  pages_.push_back(page);
  page->SetVisible(false);
  if (tabIndex_ < 0) {
    SetTabIndex(0);
  }
  Realign();
  AccessiblePartsReplaced();
  return page;
}

void TRzPageControl::SetTabIndex(int index) {
  if (index < 0 || index >= PageCount() || index == tabIndex_) {
    return;
  }
  // A focused control on the page that goes away hands the focus to the tab row.
  TForm* form = Form();
  TRzTabSheet* old = ActivePage();
  bool focusOnOld = false;
  if (form && old) {
    for (TControl* c = form->ActiveControl(); c; c = c->Parent()) {
      focusOnOld |= c == old;
    }
  }
  tabIndex_ = index;
  for (int i = 0; i < PageCount(); ++i) {
    pages_[i]->SetVisible(i == index);
  }
  Realign();
  Invalidate();
  TAccessible* tab = ActivePage()->TabAccessible();
  NotifyAccessible(TAccEvent::Selection, tab);
  if (focusOnOld) {
    SetFocus();
  } else if (Focused()) {
    NotifyAccessible(TAccEvent::Focus, tab);
  }
  if (OnChange) {
    OnChange();
  }
}

TRzTabSheet* TRzPageControl::ActivePage() const {
  return tabIndex_ >= 0 && tabIndex_ < PageCount() ? pages_[tabIndex_] : nullptr;
}

void TRzPageControl::SetActivePage(TRzTabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it != pages_.end()) {
    SetTabIndex(static_cast<int>(it - pages_.begin()));
  }
}

int TRzPageControl::TabWidth(int index) const {
  gfx::TTextEngine& engine = TextEngine();
  const int w =
      std::max(gfx::MeasureText(engine, Font(), pages_[index]->Caption(), gfx::dtSingleLine).Width,
               gfx::MeasureText(engine, Font(), "AAA").Width);
  // Never wider than the row's free width (the control less the shadow) minus 4.
  return std::min(w + 16, Width() - 2 - 4);
}

TRect TRzPageControl::TabRect(int index) const {
  int x = margin_;
  for (int i = 0; i < index; ++i) {
    x += TabWidth(i) + 2;
  }
  return {x, 3, x + TabWidth(index), TabRowHeight()};
}

TRect TRzPageControl::DrawnTabRect(int index) const {
  TRect r = TabRect(index);
  if (index == tabIndex_) {
    r = {r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom};
  }
  return r;
}

TRect TRzPageControl::CaptionRect(int index) const {
  TRect r = DrawnTabRect(index);
  return {r.Left + 5, r.Top + 3, r.Right - 5, r.Bottom - 3};
}

TRect TRzPageControl::PageRect() const {
  // Card: tab row above, 1-pixel frame, 2-pixel shadow right and below.
  return {1, TabRowHeight() + 1, Width() - 3, Height() - 3};
}

int TRzPageControl::TabAtPos(TPoint p) const {
  // The selected tab stands in front of its neighbours.
  if (tabIndex_ >= 0 && DrawnTabRect(tabIndex_).Contains(p)) {
    return tabIndex_;
  }
  for (int i = 0; i < PageCount(); ++i) {
    if (TabRect(i).Contains(p)) {
      return i;
    }
  }
  return -1;
}

void TRzPageControl::AlignControls(TRect) {
  TRect page = PageRect();
  for (TRzTabSheet* p : pages_) {
    p->SetBoundsRect(page);
  }
}

void TRzPageControl::SetFixedDimension(int v) {
  if (v == fixedDimension_) {
    return;
  }
  fixedDimension_ = v;
  Realign();
  Invalidate();
}

void TRzPageControl::ChangeScale(int m, int d) {
  fixedDimension_ = gfx::MulDiv(fixedDimension_, m, d);
  TStyledWinControl::ChangeScale(m, d);
}

const gfx::TRegion& TRzPageControl::TabRegion(const TRect& r) {
  for (const auto& [rect, region] : regions_) {
    if (rect == r) {
      return region;
    }
  }
  // Two top corners cut by a 2-pixel diagonal.
  const std::array<TPoint, 6> outline{TPoint{r.Left, r.Bottom}, {r.Left, r.Top + 2},
                                      {r.Left + 2, r.Top},      {r.Right - 2, r.Top},
                                      {r.Right, r.Top + 2},     {r.Right, r.Bottom}};
  gfx::TRegion region;
  if (!gfx::TRegion::FromPolygon(outline, region)) {
    throw gfx::ERegionError();
  }
  // Old sizes (after resizing) are not needed again; keep the cache small.
  if (regions_.size() >= 16) {
    regions_.clear();
  }
  regions_.emplace_back(r, std::move(region));
  return regions_.back().second;
}

void TRzPageControl::PaintTab(TCanvas& canvas, int i) {
  TRect r = DrawnTabRect(i);
  bool selected = i == tabIndex_;
  bool hot = hotTrack_ && i == hotIndex_;
  const gfx::TRegion& region = TabRegion(r);
  canvas.PushClipRegion(region);
  if (selected) {
    canvas.FillRect(r, Color());
  } else if (useGradients_) {
    gfx::FillGradientOrFlat(canvas, r, tabUnselectedColor_, tabShadowColor_, tabUnselectedColor_);
  } else {
    canvas.FillRect(r, tabUnselectedColor_);
  }
  // The bar across the top: orange under the mouse, the highlight colour on
  // the selected tab otherwise.
  if (hot || selected) {
    TRect bar = r.Inflate(1);
    bar.Bottom = bar.Top + 6;
    canvas.FillRect(bar, hot ? hotTrackColor_ : highlightBarColor_);
  }
  canvas.PopClip();
  // The outline runs on the region's edge pixels, so both cut corners show.
  canvas.Pen.Color = gfx::Adjust(flatColor_, flatColorAdjustment_);
  canvas.Pen.Width = 1;
  canvas.Pen.Style = gfx::psSolid;
  canvas.Pen.Mode = gfx::pmCopy;
  const std::array<TPoint, 6> line{TPoint{r.Left, r.Bottom}, {r.Left, r.Top + 2},
                                   {r.Left + 2, r.Top},      {r.Right - 3, r.Top},
                                   {r.Right - 1, r.Top + 2}, {r.Right - 1, r.Bottom + 1}};
  canvas.Polyline(line);
  TRect text = CaptionRect(i);
  canvas.Font = Font();
  const unsigned flags = gfx::dtCenter | gfx::dtTop | gfx::dtSingleLine;
  if (!pages_[i]->Enabled()) {
    TRect raised = text.Offset(1, 1);
    canvas.Font.Color = textColorDisabledHighlight_;
    canvas.DrawTextIn(pages_[i]->Caption(), raised, flags);
    canvas.Font.Color = textColorDisabledShadow_;
  } else {
    canvas.Font.Color = selected || hot ? textColorSelected_ : textColorUnselected_;
  }
  canvas.DrawTextIn(pages_[i]->Caption(), text, flags);
}

void TRzPageControl::PaintCard(TCanvas& canvas) {
  int w = Width(), h = Height();
  int row = TabRowHeight();
  TRect card{0, row, w - 2, h - 2};
  canvas.FillRect({card.Left, card.Top + 1, card.Right, card.Bottom}, Color());
  if (showCardFrame_) {
    gfx::TColor frame = gfx::Adjust(flatColor_, flatColorAdjustment_);
    canvas.FillRect({card.Left, card.Bottom - 1, card.Right, card.Bottom}, frame);
    canvas.FillRect({card.Left, card.Top, card.Left + 1, card.Bottom}, frame);
    canvas.FillRect({card.Right - 1, card.Top, card.Right, card.Bottom}, frame);
    // The top edge stays open under the selected tab, which joins the card.
    int gapL = card.Right, gapR = card.Right;
    if (tabIndex_ >= 0) {
      TRect t = DrawnTabRect(tabIndex_);
      gapL = t.Left + 1;
      gapR = t.Right - 1;
    }
    canvas.FillRect({card.Left, card.Top, std::max(card.Left, gapL), card.Top + 1}, frame);
    canvas.FillRect({std::max(card.Left, gapR), card.Top, card.Right, card.Top + 1}, frame);
    if (tabIndex_ >= 0) {
      canvas.FillRect({gapL, card.Top, gapR, card.Top + 1}, Color());
    }
  }
  if (showShadow_) {
    // Two soft lines along the right and bottom edges: 30/255 of black, then 15/255.
    canvas.BlendRect({w - 2, row + 2, w - 1, h - 1}, gfx::clBlack, 30);
    canvas.BlendRect({2, h - 2, w - 2, h - 1}, gfx::clBlack, 30);
    canvas.BlendRect({w - 1, row + 3, w, h}, gfx::clBlack, 15);
    canvas.BlendRect({3, h - 1, w - 1, h}, gfx::clBlack, 15);
  }
}

void TRzPageControl::Paint(TCanvas& canvas) {
  // The window's own image is the off-screen composition: it reaches the
  // screen in one step, so switching pages does not flicker.
  canvas.FillRect({0, 0, Width(), TabRowHeight()}, backgroundColor_);
  for (int i = PageCount() - 1; i >= 0; --i) {
    if (i != tabIndex_) {
      PaintTab(canvas, i);
    }
  }
  if (tabIndex_ >= 0) {
    PaintTab(canvas, tabIndex_);
  }
  PaintCard(canvas);
  if (showFocusRect_ && Focused() && tabIndex_ >= 0) {
    canvas.DrawFocusRect(CaptionRect(tabIndex_));
  }
}

void TRzPageControl::SetHotIndex(int index) {
  if (index == hotIndex_) {
    return;
  }
  hotIndex_ = index;
  InvalidateRect({0, 0, Width(), TabRowHeight() + 1});
}

void TRzPageControl::MouseMove(TShiftState shift, int x, int y) {
  TStyledWinControl::MouseMove(shift, x, y);
  SetHotIndex(hotTrack_ ? TabAtPos({x, y}) : -1);
}

void TRzPageControl::MouseLeave() {
  TStyledWinControl::MouseLeave();
  SetHotIndex(-1);
}

void TRzPageControl::DoEnter() {
  TStyledWinControl::DoEnter();
  Invalidate();
}

void TRzPageControl::DoExit() {
  TStyledWinControl::DoExit();
  Invalidate();
}

void TRzPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TStyledWinControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) {
    return;
  }
  int i = TabAtPos({x, y});
  if (i >= 0) {
    SetTabIndex(i);
  }
}

bool TRzPageControl::KeyDown(TKey key, TShiftState shift) {
  if (PageCount() == 0) {
    return false;
  }
  // Reaches here from any focused control inside the pages.
  if (key == Key_Tab && (shift & ssCtrl)) {
    int n = PageCount();
    int step = (shift & ssShift) ? n - 1 : 1;
    SetTabIndex((tabIndex_ + step) % n);
    return true;
  }
  if (Focused() && (key == Key_Home || key == Key_End)) {
    SetTabIndex(key == Key_Home ? 0 : PageCount() - 1);
    return true;
  }
  return false;
}
