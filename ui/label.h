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
  // The control this label names for a reader, as a heading names the list
  // under it; kept by the control's Name and found again in the label's window.
  TControl* LabelledControl() const;
  void SetLabelledControl(const TControl* control) {
    labelled_ = control ? control->Name : std::string();
  }
  void Paint(TCanvas& canvas) override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;

 private:
  TAlignment alignment_ = taLeftJustify;
  std::string labelled_;
};
