// The classic scroll bar, drawn inside the control that scrolls (its host):
// two arrow buttons with their arrows, a dotted track and a raised thumb whose
// length follows the page. Positions run from 0 to Max; Page units are visible
// at once. With nothing to scroll (Max 0) it is shown disabled.
#pragma once

#include <cstdint>
#include <functional>

#include "ui/control.h"
#include "ui/geometry.h"
#include "ui/timer.h"

namespace gfx {
class TCanvas;
}

enum TScrollPart { spNone, spLineUp, spLineDown, spPageUp, spPageDown, spThumb };

// Where a bar is and what it shows, as the host computes it.
struct TScrollBarState {
  TRect Bounds;
  bool Vertical = true;
  int Pos = 0;
  int Max = 0;
  int Page = 1;
  // How far an arrow and the track move the position.
  int LineStep = 1;
  int PageStep = 1;

  bool Enabled() const { return Max > 0; }
  int Length() const { return Vertical ? Bounds.Height() : Bounds.Width(); }
  int Thickness() const { return Vertical ? Bounds.Width() : Bounds.Height(); }
  // Length of each arrow button (they share a bar too short for two squares).
  int ArrowLength() const;
  TRect ArrowRect(bool first) const;
  TRect TrackRect() const;
  // Empty while disabled or when the track has no room for it.
  TRect ThumbRect() const;
  // The part of the track between the thumb and one arrow.
  TRect PageRect(bool first) const;
  TScrollPart PartAt(TPoint p) const;
  // The position that puts the thumb's leading edge at `offset` pixels into the track.
  int PosForThumbOffset(int offset) const;
  // Where a click on an arrow or the track moves the position (clamped).
  int PosAfter(TScrollPart part) const;
};

// What is left of a host's area `r` beside its bars of thickness `size`: a
// vertical bar takes the right edge, a horizontal one the bottom; never negative.
TRect InsideScrollBars(TRect r, bool vertical, bool horizontal, int size);

// `pressed` is drawn pushed in: an arrow flat with its arrow nudged, a piece
// of the track inverted.
void PaintScrollBar(gfx::TCanvas& canvas, const TScrollBarState& bar, TScrollPart pressed = spNone);

// One bar of a host, with what the mouse does on it: a held arrow or piece of
// track steps once, then again after a pause and then quickly for as long as
// the pointer stays on it (paging stops when the thumb reaches the pointer);
// the thumb follows a drag. The host paints it and passes the mouse on.
class TScrollBar {
 public:
  static constexpr uint32_t kRepeatDelayMs = 400;
  static constexpr uint32_t kRepeatMs = 50;

  // `state` gives the bar as it is now; `scroll` moves the host to a position.
  TScrollBar(TControl& host, std::function<TScrollBarState()> state,
             std::function<void(int pos)> scroll);

  TScrollBarState State() const { return state_(); }
  void Paint(gfx::TCanvas& canvas) const;
  // True when the press is on the bar (the bar then keeps it until release).
  bool MouseDown(TPoint p);
  // True while a press on the bar is held.
  bool MouseMove(TPoint p);
  bool MouseUp(TPoint p);
  // Forgets a press (the focus went elsewhere).
  void Cancel();
  // The part shown pressed: held, with the pointer still on it.
  TScrollPart PressedPart() const;
  bool Dragging() const { return held_ == spThumb; }

 private:
  void Step();
  void Repeat();
  void SetMouse(TPoint p);

  TControl& host_;
  std::function<TScrollBarState()> state_;
  std::function<void(int)> scroll_;
  TScrollPart held_ = spNone;
  TScrollPart shown_ = spNone;  // what was last painted pressed
  TPoint mouse_;
  int grab_ = 0;  // where the thumb was taken, from its leading edge
  TTimer repeat_;
};
