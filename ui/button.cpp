#include "ui/button.h"

#include "gfx/canvas.h"
#include "gfx/shading.h"

TRzButton::TRzButton() {
  SetBounds(0, 0, 75, 25);
  TabStop = true;
  // The corners outside the soft frame show the parent.
  SetTransparent(true);
}

// ---- painting

void TRzButton::Paint(TCanvas& canvas) {
  TRect r = ClientRect();
  if (r.Width() < 4 || r.Height() < 4) {
    return;
  }
  PaintFrame(canvas, r);
  TRect face = r.Deflate(2);
  PaintFace(canvas, face);
  if (!Down()) {
    PaintRing(canvas, face);
  }

  canvas.Font = Font();
  if (!IsEnabled()) {
    canvas.Font.Color = gfx::clGrayText;
  }
  TRect text = r;
  canvas.DrawTextIn(Caption(), text, gfx::dtSingleLine | gfx::dtCenter | gfx::dtVCenter);

  if (Focused() && showFocusRect_) {
    canvas.DrawFocusRect(r.Deflate(3));
  }
}

void TRzButton::PaintFrame(TCanvas& canvas, const TRect& r) {
  const int l = r.Left, t = r.Top, rt = r.Right, b = r.Bottom;
  // Outer soft frame: shadow top and left, light right and bottom, each line two
  // pixels short of the corners, one diagonal pixel rounding every corner.
  const gfx::TColor dark = gfx::Darken(gfx::clBtnFace, 20);
  const gfx::TColor light = gfx::Lighten(gfx::clBtnFace, 20);
  canvas.FillRect({l, t + 2, l + 1, b - 2}, dark);
  canvas.FillRect({l + 2, t, rt - 2, t + 1}, dark);
  canvas.FillRect({rt - 1, t + 2, rt, b - 2}, light);
  canvas.FillRect({l + 2, b - 1, rt - 2, b}, light);
  canvas.SetPixel(l + 1, t + 1, dark);
  canvas.SetPixel(rt - 2, t + 1, dark);
  canvas.SetPixel(l + 1, b - 2, dark);
  canvas.SetPixel(rt - 2, b - 2, light);

  // The frame proper, one pixel in, without its corner pixels.
  const gfx::TColor frame = IsEnabled() ? frameColor_ : gfx::Darken(Color(), 80);
  canvas.FillRect({l + 2, t + 1, rt - 2, t + 2}, frame);
  canvas.FillRect({l + 2, b - 2, rt - 2, b - 1}, frame);
  canvas.FillRect({l + 1, t + 2, l + 2, b - 2}, frame);
  canvas.FillRect({rt - 2, t + 2, rt - 1, b - 2}, frame);
}

void TRzButton::PaintFace(TCanvas& canvas, const TRect& face) {
  if (Down()) {
    canvas.FillRect(face, gfx::Darken(Color(), 10));
    return;
  }
  TRect upper{face.Left, face.Top, face.Right, face.Bottom - 2};
  gfx::FillGradientOrFlat(canvas, upper, gfx::Lighten(Color(), 30), gfx::Darken(Color(), 10),
                          Color());
  canvas.FillRect({face.Left, face.Bottom - 2, face.Right, face.Bottom - 1},
                  gfx::Darken(Color(), 20));
  canvas.FillRect({face.Left, face.Bottom - 1, face.Right, face.Bottom}, gfx::Darken(Color(), 30));
}

void TRzButton::PaintRing(TCanvas& canvas, const TRect& face) {
  if (!gfx::IsFullColor() || !IsEnabled()) {
    return;
  }
  gfx::TColor top, bottom;
  if (Hot() && hotTrack_) {
    top = gfx::Blend(gfx::clWhite, hotTrackColor_, 190);
    bottom = hotTrackColor_;
  } else if (Focused()) {
    gfx::TColor h = highlightColor_;
    if (gfx::TooClose(h, gfx::clBtnFace)) {
      h = gfx::Darken(h, 30);
    }
    const gfx::TColor base = gfx::Lighten(Color(), 30);
    top = gfx::Blend(h, base, 60);
    bottom = gfx::Blend(h, base, 160);
  } else {
    return;
  }
  // The ring takes the rows of one gradient spanning the whole face.
  const int rows = face.Height();
  for (int i = 0; i < rows; ++i) {
    const int y = face.Top + i;
    const gfx::TColor c = gfx::GradientColor(top, bottom, i, rows);
    if (i < 2 || i >= rows - 2) {
      canvas.FillRect({face.Left, y, face.Right, y + 1}, c);
    } else {
      canvas.FillRect({face.Left, y, face.Left + 2, y + 1}, c);
      canvas.FillRect({face.Right - 2, y, face.Right, y + 1}, c);
    }
  }
}
