// A classic scroll bar drawn inside a control: two arrow buttons, a dotted track
// and a raised thumb sized to the visible share. Positions run from 0 to Max; Page
// units are visible at once. With nothing to scroll (Max 0) it is shown disabled.
#pragma once

#include "ui/geometry.h"

namespace gfx {
class TCanvas;
}

enum TScrollPart { spNone, spLineUp, spLineDown, spPageUp, spPageDown, spThumb };

struct TScrollBarState {
  TRect Bounds;
  bool Vertical = true;
  int Pos = 0;
  int Max = 0;
  int Page = 1;

  bool Enabled() const { return Max > 0; }
  int Length() const { return Vertical ? Bounds.Height() : Bounds.Width(); }
  int Thickness() const { return Vertical ? Bounds.Width() : Bounds.Height(); }
  // Length of each arrow button (they share a bar too short for two squares).
  int ArrowLength() const;
  TRect ArrowRect(bool first) const;
  TRect TrackRect() const;
  // Empty while disabled or when the track has no room for it.
  TRect ThumbRect() const;
  TScrollPart PartAt(TPoint p) const;
  // The position that puts the thumb's leading edge at `offset` pixels into the track.
  int PosForThumbOffset(int offset) const;
};

void PaintScrollBar(gfx::TCanvas& canvas, const TScrollBarState& bar);
