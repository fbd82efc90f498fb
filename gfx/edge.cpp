#include "gfx/edge.h"

#include "gfx/canvas.h"

namespace gfx {

void DrawEdge(TCanvas& canvas, const TRect& r, TEdgeStyle style) {
  const bool raised = style == esRaised;
  // Outer and inner lines, top-left and bottom-right.
  const TColor outerLight = raised ? cl3DLight : clBtnShadow;
  const TColor outerDark = raised ? cl3DDkShadow : clBtnHighlight;
  const TColor innerLight = raised ? clBtnHighlight : cl3DDkShadow;
  const TColor innerDark = raised ? clBtnShadow : cl3DLight;
  canvas.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1}, outerLight);
  canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, outerLight);
  canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, outerDark);
  canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, outerDark);
  canvas.FillRect({r.Left + 1, r.Top + 1, r.Right - 2, r.Top + 2}, innerLight);
  canvas.FillRect({r.Left + 1, r.Top + 1, r.Left + 2, r.Bottom - 2}, innerLight);
  canvas.FillRect({r.Left + 1, r.Bottom - 2, r.Right - 1, r.Bottom - 1}, innerDark);
  canvas.FillRect({r.Right - 2, r.Top + 1, r.Right - 1, r.Bottom - 1}, innerDark);
}

}  // namespace gfx
