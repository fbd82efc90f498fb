#pragma once

#include "gfx/color.h"
#include "gfx/font.h"
#include "gfx/scale.h"
#include "ui/control.h"

// A control with its own font and colour, scaled together with its bounds.
template <class Base>
class TStyled : public Base {
 public:
  gfx::TFont Font;
  gfx::TColor Color = gfx::clBtnFace;

  void ChangeScale(int m, int d) override {
    Font.Height = gfx::MulDiv(Font.Height, m, d);
    Base::ChangeScale(m, d);
  }
};

using TStyledControl = TStyled<TControl>;
using TStyledWinControl = TStyled<TWinControl>;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
