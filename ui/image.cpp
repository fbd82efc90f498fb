#include "ui/image.h"

#include "gfx/canvas.h"

void TImage::SetPicture(const gfx::TBitmap& picture) {
  picture_ = picture;
  Invalidate();
}

void TImage::Paint(TCanvas& canvas) {
  if (picture_.IsEmpty()) {
    return;
  }
  if (picture_.HasAlpha()) {
    canvas.DrawAlpha(0, 0, picture_);
  } else {
    canvas.Draw(0, 0, picture_);
  }
}
