#include "ui/panel.h"

#include "gfx/canvas.h"

void TPanel::Paint(TCanvas& canvas) {
  if (!Transparent()) {
    canvas.FillRect(ClientRect(), Color());
  }
}
