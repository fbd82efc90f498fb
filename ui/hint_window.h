#pragma once

#include <string>

#include "ui/form.h"

// The application's tooltip window: a frameless popup with the text on the info
// background, placed at a screen position.
class THintWindow : public TForm {
 public:
  THintWindow();
  void ActivateHint(const std::string& text, TPoint screenPos);
  const std::string& Text() const { return text_; }
  TPoint ScreenPos() const { return pos_; }
  void Paint(TCanvas& canvas) override;

 private:
  std::string text_;
  TPoint pos_;
};
