#include "ui/about/scroll_bar.h"

#include <algorithm>

#include "gfx/canvas.h"

namespace {

constexpr int kMinThumb = 8;

// A raised button edge as the classic controls draw it.
void RaisedEdge(gfx::TCanvas& canvas, const TRect& r) {
  canvas.FillRect(r, gfx::clBtnFace);
  canvas.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1}, gfx::cl3DLight);
  canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, gfx::cl3DLight);
  canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, gfx::cl3DDkShadow);
  canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, gfx::cl3DDkShadow);
  canvas.FillRect({r.Left + 1, r.Top + 1, r.Right - 2, r.Top + 2}, gfx::clBtnHighlight);
  canvas.FillRect({r.Left + 1, r.Top + 1, r.Left + 2, r.Bottom - 2}, gfx::clBtnHighlight);
  canvas.FillRect({r.Left + 1, r.Bottom - 2, r.Right - 1, r.Bottom - 1}, gfx::clBtnShadow);
  canvas.FillRect({r.Right - 2, r.Top + 1, r.Right - 1, r.Bottom - 1}, gfx::clBtnShadow);
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
  const int total = Max + std::max(Page, 1);
  const int thumb = std::max(len * std::max(Page, 1) / total, kMinThumb);
  if (thumb > len) {
    return {};
  }
  const int at = (len - thumb) * std::clamp(Pos, 0, Max) / Max;
  if (Vertical) {
    return {track.Left, track.Top + at, track.Right, track.Top + at + thumb};
  }
  return {track.Left + at, track.Top, track.Left + at + thumb, track.Bottom};
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
  const TRect thumb = ThumbRect();
  if (thumb.Contains(p)) {
    return spThumb;
  }
  if (thumb.IsEmpty()) {
    return spNone;
  }
  const bool before = Vertical ? p.Y < thumb.Top : p.X < thumb.Left;
  return before ? spPageUp : spPageDown;
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
  return (clamped * Max + free / 2) / free;
}

void PaintScrollBar(gfx::TCanvas& canvas, const TScrollBarState& bar) {
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
  const bool enabled = bar.Enabled();
  for (bool first : {true, false}) {
    const TRect a = bar.ArrowRect(first);
    RaisedEdge(canvas, a);
    if (enabled) {
      Arrow(canvas, a, bar.Vertical, first, gfx::clBtnText);
    } else {
      Arrow(canvas, a.Offset(1, 1), bar.Vertical, first, gfx::clBtnHighlight);
      Arrow(canvas, a, bar.Vertical, first, gfx::clBtnShadow);
    }
  }
  const TRect thumb = bar.ThumbRect();
  if (!thumb.IsEmpty()) {
    RaisedEdge(canvas, thumb);
  }
}
