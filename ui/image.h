#pragma once

#include "gfx/bitmap.h"
#include "ui/control.h"

// Shows a picture at its own size from the top-left corner (alpha blended).
class TImage : public TControl {
 public:
  TImage() { SetTransparent(true); }
  const gfx::TBitmap& Picture() const { return picture_; }
  void SetPicture(const gfx::TBitmap& picture);
  void Paint(TCanvas& canvas) override;

 private:
  gfx::TBitmap picture_;
};
