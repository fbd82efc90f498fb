#include "ui/scrolling_control.h"

#include "gfx/canvas.h"
#include "gfx/scale.h"

TScrollingControl::TScrollingControl(int frameWidth)
    : frameWidth_(frameWidth),
      vBar_(Add<TScrollBar>([this] { return BarState(true); },
                            [this](int pos) { ScrollTo(true, pos); })),
      hBar_(Add<TScrollBar>([this] { return BarState(false); },
                            [this](int pos) { ScrollTo(false, pos); })) {
  vBar_->Name = "VertScrollBar";
  hBar_->Name = "HorzScrollBar";
}

TRect TScrollingControl::ViewRect() const {
  return InsideScrollBars(ClientRect().Deflate(frameWidth_), VScrollVisible(), HScrollVisible(),
                          barSize_);
}

TScrollBarState TScrollingControl::BarState(bool vertical) const {
  TScrollBarState bar = ScrollRange(vertical);
  bar.Vertical = vertical;
  bar.Bounds = {};
  if (ScrollBarShown(vertical)) {
    const TRect v = ViewRect();
    bar.Bounds = vertical ? TRect{v.Right, v.Top, v.Right + barSize_, v.Bottom}
                          : TRect{v.Left, v.Bottom, v.Right, v.Bottom + barSize_};
  }
  return bar;
}

void TScrollingControl::PlaceScrollBars() {
  PlaceChild(*vBar_, VScrollRect());
  PlaceChild(*hBar_, HScrollRect());
}

TControl* TScrollingControl::ControlAtPos(TPoint p) {
  PlaceScrollBars();
  return TStyledWinControl::ControlAtPos(p);
}

void TScrollingControl::PaintScrollBars(TCanvas& canvas) {
  PlaceScrollBars();
  if (VScrollVisible() && HScrollVisible()) {
    const TRect v = VScrollRect(), h = HScrollRect();
    canvas.FillRect({v.Left, h.Top, v.Right, h.Bottom}, gfx::clBtnFace);
  }
}

void TScrollingControl::ChangeScale(int m, int d) {
  barSize_ = gfx::MulDiv(barSize_, m, d);
  TStyledWinControl::ChangeScale(m, d);
}

void TScrollingControl::DoExit() {
  vBar_->Cancel();
  hBar_->Cancel();
  TStyledWinControl::DoExit();
}
