#pragma once

#include "ui/control.h"

// Empty room between toolbar controls, optionally with an etched groove line.
class TRzSpacer : public TControl {
 public:
  TRzSpacer() {
    SetBounds(0, 0, 8, 25);
    SetTransparent(true);
  }
  bool Grooved = false;
  void Paint(TCanvas& canvas) override;
};
