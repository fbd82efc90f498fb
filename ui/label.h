#pragma once

#include <string>

#include "ui/styled.h"

// A line of text in a fixed box; "&" marks an underlined accelerator letter.
class TLabel : public TStyledControl {
 public:
  TLabel() { SetColor(gfx::clBtnFace); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a) { Change(alignment_, a); }
  // The colour the caption is drawn in.
  virtual gfx::TColor TextColor() const { return Font().Color; }
  void Paint(TCanvas& canvas) override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;

 private:
  TAlignment alignment_ = taLeftJustify;
};
