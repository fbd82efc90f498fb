// The classic scroll bar of a control that scrolls (its host):
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

// One bar of a scrolling control, and a child control of it: it paints
// itself and takes its own presses. A held arrow or piece of track steps once,
// then again after a pause and then quickly for as long as the pointer stays
// on it (paging stops when the thumb reaches the pointer); the thumb follows a
// drag. The host places the bar and says what it shows.
class TScrollBar : public TControl {
 public:
  static constexpr uint32_t kRepeatDelayMs = 400;
  static constexpr uint32_t kRepeatMs = 50;

  // `state` gives the bar as it is now, in the host's coordinates; `scroll`
  // moves the host to a position.
  TScrollBar(std::function<TScrollBarState()> state, std::function<void(int pos)> scroll);

  // The bar as it is now, in its own coordinates.
  TScrollBarState State() const;
  // Forgets a press (the focus went elsewhere).
  void Cancel();
  // The part shown pressed: held, with the pointer still on it.
  TScrollPart PressedPart() const;
  bool Dragging() const { return held_ == spThumb; }

  void Paint(gfx::TCanvas& canvas) override;
  bool Opaque() const override { return true; }
  // A press focuses the host, as one anywhere else on it does.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void Step();
  void Repeat();
  void SetMouse(TPoint p);

  std::function<TScrollBarState()> state_;
  std::function<void(int)> scroll_;
  TScrollPart held_ = spNone;
  TScrollPart shown_ = spNone;  // what was last painted pressed
  TPoint mouse_;
  int grab_ = 0;  // where the thumb was taken, from its leading edge
  TTimer repeat_;
};
