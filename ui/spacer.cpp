#include "ui/spacer.h"

#include "gfx/canvas.h"

void TRzSpacer::Paint(TCanvas& canvas) {
  if (!grooved_) {
    return;
  }
  int w = Width(), h = Height();
  if (h >= w) {
    int x = w / 2 - 1;
    canvas.FillRect({x, 1, x + 1, h}, gfx::clBtnShadow);
    canvas.FillRect({x + 1, 1, x + 2, h}, gfx::clBtnHighlight);
  } else {
    int y = h / 2 - 1;
    canvas.FillRect({1, y, w, y + 1}, gfx::clBtnShadow);
    canvas.FillRect({1, y + 1, w, y + 2}, gfx::clBtnHighlight);
  }
}
