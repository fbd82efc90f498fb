#include "ui/scroll_bar.h"

#include <algorithm>
#include <utility>

#include "gfx/canvas.h"
#include "gfx/edge.h"

namespace {

constexpr int kMinThumb = 8;

// A raised button as the classic controls draw it.
void RaisedEdge(gfx::TCanvas& canvas, const TRect& r) {
  canvas.FillRect(r, gfx::clBtnFace);
  gfx::DrawEdge(canvas, r, gfx::esRaised);
}

// A pushed scroll arrow: flat, framed in the shadow colour.
void FlatEdge(gfx::TCanvas& canvas, const TRect& r) {
  canvas.FillRect(r, gfx::clBtnFace);
  canvas.FrameRect(r, gfx::clBtnShadow);
}

// A small solid triangle pointing up, down, left or right, centred in r.
void Arrow(gfx::TCanvas& canvas, const TRect& r, bool vertical, bool first, gfx::TColor color) {
  const int size = std::max(std::min(r.Width(), r.Height()) / 4, 2);
  const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
  for (int i = 0; i < size; ++i) {
    // Row i of the triangle, from its tip outwards.
    const int d = first ? i : size - 1 - i;
    if (vertical) {
      const int y = cy - size / 2 + i;
      canvas.FillRect({cx - d, y, cx + d + 1, y + 1}, color);
    } else {
      const int x = cx - size / 2 + i;
      canvas.FillRect({x, cy - d, x + 1, cy + d + 1}, color);
    }
  }
}

}  // namespace

TRect InsideScrollBars(TRect r, bool vertical, bool horizontal, int size) {
  if (vertical) {
    r.Right -= size;
  }
  if (horizontal) {
    r.Bottom -= size;
  }
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

// ---- geometry

int TScrollBarState::ArrowLength() const {
  return std::min(Thickness(), Length() / 2);
}

TRect TScrollBarState::ArrowRect(bool first) const {
  const int a = ArrowLength();
  const TRect& b = Bounds;
  if (Vertical) {
    return first ? TRect{b.Left, b.Top, b.Right, b.Top + a}
                 : TRect{b.Left, b.Bottom - a, b.Right, b.Bottom};
  }
  return first ? TRect{b.Left, b.Top, b.Left + a, b.Bottom}
               : TRect{b.Right - a, b.Top, b.Right, b.Bottom};
}

TRect TScrollBarState::TrackRect() const {
  const int a = ArrowLength();
  const TRect& b = Bounds;
  if (Vertical) {
    return {b.Left, b.Top + a, b.Right, b.Bottom - a};
  }
  return {b.Left + a, b.Top, b.Right - a, b.Bottom};
}

TRect TScrollBarState::ThumbRect() const {
  if (!Enabled()) {
    return {};
  }
  const TRect track = TrackRect();
  const int len = Vertical ? track.Height() : track.Width();
  const int page = std::max(Page, 1);
  // 64 bits: a list of millions of rows times a long track.
  const int thumb = std::max(
      static_cast<int>(static_cast<long long>(len) * page / (Max + 1LL * page)), kMinThumb);
  if (thumb > len) {
    return {};
  }
  const int at =
      static_cast<int>(static_cast<long long>(len - thumb) * std::clamp(Pos, 0, Max) / Max);
  if (Vertical) {
    return {track.Left, track.Top + at, track.Right, track.Top + at + thumb};
  }
  return {track.Left + at, track.Top, track.Left + at + thumb, track.Bottom};
}

TRect TScrollBarState::PageRect(bool first) const {
  const TRect track = TrackRect(), thumb = ThumbRect();
  if (thumb.IsEmpty()) {
    return {};
  }
  if (Vertical) {
    return first ? TRect{track.Left, track.Top, track.Right, thumb.Top}
                 : TRect{track.Left, thumb.Bottom, track.Right, track.Bottom};
  }
  return first ? TRect{track.Left, track.Top, thumb.Left, track.Bottom}
               : TRect{thumb.Right, track.Top, track.Right, track.Bottom};
}

TScrollPart TScrollBarState::PartAt(TPoint p) const {
  if (!Bounds.Contains(p) || !Enabled()) {
    return spNone;
  }
  if (ArrowRect(true).Contains(p)) {
    return spLineUp;
  }
  if (ArrowRect(false).Contains(p)) {
    return spLineDown;
  }
  if (ThumbRect().Contains(p)) {
    return spThumb;
  }
  if (PageRect(true).Contains(p)) {
    return spPageUp;
  }
  return PageRect(false).Contains(p) ? spPageDown : spNone;
}

int TScrollBarState::PosForThumbOffset(int offset) const {
  const TRect track = TrackRect(), thumb = ThumbRect();
  if (thumb.IsEmpty()) {
    return Pos;
  }
  const int free = Vertical ? track.Height() - thumb.Height() : track.Width() - thumb.Width();
  if (free <= 0) {
    return Pos;
  }
  const int clamped = std::clamp(offset, 0, free);
  // Nearest position, so a drag back to the start reaches 0 and to the end Max.
  return static_cast<int>((static_cast<long long>(clamped) * Max + free / 2) / free);
}

int TScrollBarState::PosAfter(TScrollPart part) const {
  long long pos = Pos;
  switch (part) {
    case spLineUp:
      pos -= LineStep;
      break;
    case spLineDown:
      pos += LineStep;
      break;
    case spPageUp:
      pos -= PageStep;
      break;
    case spPageDown:
      pos += PageStep;
      break;
    default:
      break;
  }
  return static_cast<int>(std::clamp<long long>(pos, 0, Max));
}

// ---- painting

void PaintScrollBar(gfx::TCanvas& canvas, const TScrollBarState& bar, TScrollPart pressed) {
  if (bar.Bounds.IsEmpty()) {
    return;
  }
  const TRect track = bar.TrackRect();
  // The classic track: every other pixel in the highlight colour.
  canvas.FillRect(track, gfx::clBtnFace);
  for (int y = track.Top; y < track.Bottom; ++y) {
    for (int x = track.Left + ((y + track.Left) & 1); x < track.Right; x += 2) {
      canvas.SetPixel(x, y, gfx::clBtnHighlight);
    }
  }
  if (pressed == spPageUp || pressed == spPageDown) {
    canvas.InvertRect(bar.PageRect(pressed == spPageUp));
  }
  const bool enabled = bar.Enabled();
  for (bool first : {true, false}) {
    const TRect a = bar.ArrowRect(first);
    if (!enabled) {
      RaisedEdge(canvas, a);
      Arrow(canvas, a.Offset(1, 1), bar.Vertical, first, gfx::clBtnHighlight);
      Arrow(canvas, a, bar.Vertical, first, gfx::clBtnShadow);
    } else if (pressed == (first ? spLineUp : spLineDown)) {
      FlatEdge(canvas, a);
      Arrow(canvas, a.Offset(1, 1), bar.Vertical, first, gfx::clBtnText);
    } else {
      RaisedEdge(canvas, a);
      Arrow(canvas, a, bar.Vertical, first, gfx::clBtnText);
    }
  }
  const TRect thumb = bar.ThumbRect();
  if (!thumb.IsEmpty()) {
    RaisedEdge(canvas, thumb);
  }
}

// ---- the mouse

TScrollBar::TScrollBar(std::function<TScrollBarState()> state, std::function<void(int pos)> scroll)
    : state_(std::move(state)), scroll_(std::move(scroll)) {
  repeat_.SetEnabled(false);
  repeat_.OnTimer = [this] { Repeat(); };
}

TScrollBarState TScrollBar::State() const {
  TScrollBarState bar = state_();
  bar.Bounds = bar.Bounds.Offset(-Left(), -Top());
  return bar;
}

void TScrollBar::Paint(gfx::TCanvas& canvas) {
  PaintScrollBar(canvas, State(), PressedPart());
}

TScrollPart TScrollBar::PressedPart() const {
  if (held_ == spNone || held_ == spThumb) {
    return spNone;
  }
  return State().PartAt(mouse_) == held_ ? held_ : spNone;
}

void TScrollBar::SetMouse(TPoint p) {
  mouse_ = p;
  const TScrollPart shown = PressedPart();
  if (shown != shown_) {
    shown_ = shown;
    Invalidate();
  }
}

void TScrollBar::Step() {
  const TScrollBarState bar = State();
  const int pos = bar.PosAfter(held_);
  if (pos != bar.Pos) {
    scroll_(pos);
  }
}

void TScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControl::MouseDown(button, shift, x, y);
  if (TControl* host = Parent(); host && host->CanFocus() && host->FocusOnClick()) {
    host->SetFocus();
  }
  if (button != mbLeft) {
    return;
  }
  const TPoint p{x, y};
  const TScrollBarState bar = State();
  held_ = bar.PartAt(p);
  if (held_ == spThumb) {
    const TRect thumb = bar.ThumbRect();
    grab_ = bar.Vertical ? p.Y - thumb.Top : p.X - thumb.Left;
  } else if (held_ != spNone) {
    Step();
    repeat_.SetInterval(kRepeatDelayMs);
    repeat_.SetEnabled(true);
  }
  SetMouse(p);
}

void TScrollBar::MouseMove(TShiftState shift, int x, int y) {
  TControl::MouseMove(shift, x, y);
  if (held_ == spNone) {
    return;
  }
  const TPoint p{x, y};
  if (held_ == spThumb) {
    const TScrollBarState bar = State();
    const TRect track = bar.TrackRect();
    const int offset = bar.Vertical ? p.Y - grab_ - track.Top : p.X - grab_ - track.Left;
    const int pos = bar.PosForThumbOffset(offset);
    if (pos != bar.Pos) {
      scroll_(pos);
    }
  }
  SetMouse(p);
}

void TScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || held_ == spNone) {
    return;
  }
  Cancel();
  mouse_ = {x, y};
}

void TScrollBar::Cancel() {
  held_ = spNone;
  repeat_.SetEnabled(false);
  SetMouse(mouse_);
}

void TScrollBar::Repeat() {
  // The window may have taken the mouse away (an error box, another window).
  if (!MouseCapture()) {
    Cancel();
    return;
  }
  repeat_.SetInterval(kRepeatMs);
  // Off its part the press waits; paging stops once the thumb is under the pointer.
  if (State().PartAt(mouse_) == held_) {
    Step();
  }
}
