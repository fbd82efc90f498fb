#include "platform/win32/window_placement.h"

#include <algorithm>

namespace platform_win32 {

namespace {

// Start of a span of `size` centred on [lo, hi), then kept in [deskLo, deskHi);
// a span larger than the desktop starts at its start.
int Place(int size, int lo, int hi, int deskLo, int deskHi) {
  int start = lo + (hi - lo - size) / 2;
  start = std::min(start, deskHi - size);
  return std::max(start, deskLo);
}

}  // namespace

gfx::TRect CentredWindowRect(gfx::TSize outer, const gfx::TRect& area, const gfx::TRect& desktop) {
  const int left = Place(outer.Width, area.Left, area.Right, desktop.Left, desktop.Right);
  const int top = Place(outer.Height, area.Top, area.Bottom, desktop.Top, desktop.Bottom);
  return {left, top, left + outer.Width, top + outer.Height};
}

}  // namespace platform_win32
