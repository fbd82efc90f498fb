#include "ui/scrolling_control.h"

#include <algorithm>

#include "gfx/canvas.h"
#include "gfx/scale.h"

TScrollingControl::TScrollingControl(int frameWidth)
    : frameWidth_(frameWidth),
      vBar_(Add<TScrollBar>([this] { return BarState(true); },
                            [this](int pos) { ScrollToRow(pos); })),
      hBar_(Add<TScrollBar>([this] { return BarState(false); },
                            [this](int pos) { SetScrollX(pos); })) {
  vBar_->Name = "VertScrollBar";
  hBar_->Name = "HorzScrollBar";
}

int TScrollingControl::MaxScrollX() const {
  return std::max(ContentWidth() - ViewRect().Width(), 0);
}

void TScrollingControl::SetScrollX(int x) {
  ScrollField(scrollX_, x, MaxScrollX());
}

void TScrollingControl::ClampScrollX() {
  scrollX_ = std::clamp(scrollX_, 0, MaxScrollX());
}

TRect TScrollingControl::ViewRect() const {
  return InsideScrollBars(ClientRect().Deflate(frameWidth_), VScrollVisible(), HScrollVisible(),
                          barSize_);
}

TScrollBarState TScrollingControl::BarState(bool vertical) const {
  TScrollBarState bar;
  if (vertical) {
    bar = RowRange();
  } else {
    bar.Pos = scrollX_;
    bar.Max = MaxScrollX();
    bar.Page = std::max(ViewRect().Width(), 1);
    bar.LineStep = kLineScrollX;
    bar.PageStep = bar.Page;
  }
  bar.Vertical = vertical;
  bar.Bounds = BarBounds(vertical);
  return bar;
}

TRect TScrollingControl::BarBounds(bool vertical) const {
  if (!ScrollBarShown(vertical)) {
    return {};
  }
  const TRect v = ViewRect();
  return vertical ? TRect{v.Right, v.Top, v.Right + barSize_, v.Bottom}
                  : TRect{v.Left, v.Bottom, v.Right, v.Bottom + barSize_};
}

void TScrollingControl::Arrange() {
  ClampScroll();
  PlaceChild(*vBar_, BarBounds(true));
  PlaceChild(*hBar_, BarBounds(false));
}

void TScrollingControl::InvalidateArea(const TRect& r) {
  ArrangeLater();
  TStyledWinControl::InvalidateArea(r);
}

void TScrollingControl::Resize() {
  ArrangeLater();
  TStyledWinControl::Resize();
}

void TScrollingControl::PaintScrollBars(TCanvas& canvas) {
  if (VScrollVisible() && HScrollVisible()) {
    const TRect v = VScrollRect(), h = HScrollRect();
    canvas.FillRect({v.Left, h.Top, v.Right, h.Bottom}, gfx::clBtnFace);
  }
}

void TScrollingControl::ChangeScale(int m, int d) {
  barSize_ = gfx::MulDiv(barSize_, m, d);
  TStyledWinControl::ChangeScale(m, d);
  ArrangeLater();
}

void TScrollingControl::DoExit() {
  vBar_->Cancel();
  hBar_->Cancel();
  TStyledWinControl::DoExit();
}
