#include "gfx/canvas.h"
#include "gfx/shading.h"

namespace gfx {

void FillGradient(TCanvas& canvas, const TRect& rect, TColor top, TColor bottom) {
  const int rows = rect.Height();
  for (int i = 0; i < rows; ++i) {
    canvas.FillRect({rect.Left, rect.Top + i, rect.Right, rect.Top + i + 1},
                    GradientColor(top, bottom, i, rows));
  }
}

void FillGradientOrFlat(TCanvas& canvas, const TRect& rect, TColor top, TColor bottom,
                        TColor flat) {
  if (IsFullColor()) {
    FillGradient(canvas, rect, top, bottom);
  } else {
    canvas.FillRect(rect, flat);
  }
}

}  // namespace gfx
