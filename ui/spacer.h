#pragma once

#include "ui/control.h"

// Empty room between toolbar controls, optionally with an etched groove line.
class TRzSpacer : public TControl {
 public:
  TRzSpacer() {
    SetBounds(0, 0, 8, 25);
    SetTransparent(true);
  }
  // An etched line down the middle.
  bool Grooved() const { return grooved_; }
  void SetGrooved(bool on) { Change(grooved_, on); }
  void Paint(TCanvas& canvas) override;

 private:
  bool grooved_ = false;
};
