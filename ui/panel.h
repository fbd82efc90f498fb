#pragma once

#include "ui/styled.h"

// A plain rectangle in its colour that holds other controls (no bevel).
class TPanel : public TStyledWinControl {
 public:
  TPanel() { SetColor(gfx::clBtnFace); }
  void Paint(TCanvas& canvas) override;
  bool Opaque() const override { return !Transparent(); }
};
