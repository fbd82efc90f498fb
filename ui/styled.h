#pragma once

#include "gfx/color.h"
#include "gfx/font.h"
#include "gfx/scale.h"
#include "ui/control.h"

// A control with its own font and colour, scaled together with its bounds.
template <class Base>
class TStyled : public Base {
 public:
  const gfx::TFont& Font() const { return font_; }
  void SetFont(const gfx::TFont& font) { this->Change(font_, font); }
  gfx::TColor Color() const { return color_; }
  void SetColor(gfx::TColor color) { this->Change(color_, color); }

  void ChangeScale(int m, int d) override {
    font_.Height = gfx::MulDiv(font_.Height, m, d);
    Base::ChangeScale(m, d);
  }

 private:
  gfx::TFont font_;
  gfx::TColor color_ = gfx::clBtnFace;
};

using TStyledControl = TStyled<TControl>;
using TStyledWinControl = TStyled<TWinControl>;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
