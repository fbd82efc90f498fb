// Mouse zoom and scroll: left drag zooms (or undoes leftwards), right drag
// scrolls, the wheel scrolls the vertical axes.
#include <algorithm>
#include <cstdlib>

#include "chart/chart.h"
#include "chart/pixel_math.h"

using namespace gfx;

namespace {
// Pixels from outside are taken at the clamp of computed positions, so that
// differences of two of them fit in 32 bits.
int32_t Clamped(int v) {
  const auto limit = static_cast<int32_t>(kMaxPixel);
  return std::clamp<int32_t>(v, -limit, limit);
}
}  // namespace

void TChart::TellTools(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int32_t x,
                       int32_t y) {
  for (TChartTool* t : toolList_) {
    if (t->Active()) {
      t->ChartMouseEvent(kind, button, shift, x, y);
    }
  }
}

bool TChart::ClickedPart(int32_t x, int32_t y) const {
  // Near a shown axis line, along its extent.
  for (TChartAxis* axis : axisList_) {
    if (!axis->Shown()) {
      continue;
    }
    int32_t along = axis->Horizontal() ? x : y;
    int32_t across = axis->Horizontal() ? y : x;
    if (axis->FirstPixel() <= along && along <= axis->LastPixel() &&
        std::abs(across - axis->AxisPixel()) <= 3) {
      return true;
    }
  }
  for (TChartSeries* s : seriesList_) {
    if (s->Active() && s->PointAt(x, y) != -1) {
      return true;
    }
  }
  return !seriesList_.empty() && plot_.Contains(x, y);
}

void TChart::MouseDown(TMouseButton button, TShiftState shift, int mouseX, int mouseY) {
  TWinControl::MouseDown(button, shift, mouseX, mouseY);
  const int32_t x = Clamped(mouseX), y = Clamped(mouseY);
  if (zoom_.Active || scroll_.Active) {
    return;
  }
  TellTools(cmeDown, button, shift, x, y);
  if (!ClickedPart(x, y)) {
    return;
  }
  bool allUseAxes = std::all_of(seriesList_.begin(), seriesList_.end(),
                                [](TChartSeries* s) { return !s->Active() || s->UsesAxes(); });
  if (!allUseAxes) {
    return;
  }
  const TChartZoom& z = zoomSettings_;
  if (z.Allow && button == z.MouseButton && (shift & z.KeyShift) == z.KeyShift) {
    zoom_.X0 = z.Direction == tzdVertical ? plot_.Left : x;
    zoom_.Y0 = z.Direction == tzdHorizontal ? plot_.Top : y;
    zoom_.X1 = z.Direction == tzdVertical ? plot_.Right : zoom_.X0;
    zoom_.Y1 = z.Direction == tzdHorizontal ? plot_.Bottom : zoom_.Y0;
    zoom_.Active = true;
    DrawZoomBand();
  }
  if (allowPanning_ != pmNone && button == scrollButton_) {
    scroll_ = {true, x, y, x, y};
  }
}

void TChart::MouseMove(TShiftState shift, int mouseX, int mouseY) {
  TWinControl::MouseMove(shift, mouseX, mouseY);
  const int32_t mx = Clamped(mouseX), my = Clamped(mouseY);
  int32_t x = mx, y = my;
  if (zoom_.Active) {
    if (zoomSettings_.Direction == tzdVertical) {
      x = plot_.Right;
    } else if (zoomSettings_.Direction == tzdHorizontal) {
      y = plot_.Bottom;
    }
    if (x != zoom_.X1 || y != zoom_.Y1) {
      DrawZoomBand();
      zoom_.X1 = x;
      zoom_.Y1 = y;
      DrawZoomBand();
    }
  } else if (scroll_.Active) {
    if (!plot_.Contains(x, y)) {
      scroll_.Active = false;
    } else if (x != scroll_.X1 || y != scroll_.Y1) {
      // Each move scrolls by the distance from the previous mouse position.
      if (!saved_) {
        SaveScales();
      }
      bool horizontal = allowPanning_ == pmHorizontal || allowPanning_ == pmBoth;
      bool vertical = allowPanning_ == pmVertical || allowPanning_ == pmBoth;
      for (TChartAxis* axis : axisList_) {
        if (axis->IsDepthAxis()) {
          continue;
        }
        if (axis->Horizontal() && horizontal && x != scroll_.X1) {
          double d = axis->PixelToValue(scroll_.X1) - axis->PixelToValue(x);
          axis->SetMinMax(axis->Minimum() + d, axis->Maximum() + d);
        } else if (!axis->Horizontal() && vertical && y != scroll_.Y1) {
          double d = axis->PixelToValue(scroll_.Y1) - axis->PixelToValue(y);
          axis->SetMinMax(axis->Minimum() + d, axis->Maximum() + d);
        }
      }
      scroll_.X1 = x;
      scroll_.Y1 = y;
      if (horizontal || vertical) {
        Repaint();
      }
    }
  }
  TellTools(cmeMove, mbLeft, shift, mx, my);
}

void TChart::MouseUp(TMouseButton button, TShiftState shift, int mouseX, int mouseY) {
  TWinControl::MouseUp(button, shift, mouseX, mouseY);
  const int32_t x = Clamped(mouseX), y = Clamped(mouseY);
  TellTools(cmeUp, button, shift, x, y);
  const TChartZoom& z = zoomSettings_;
  if (zoom_.Active && button == z.MouseButton) {
    DrawZoomBand();  // erases it
    zoom_.Active = false;
    if (z.Direction != tzdVertical) {
      zoom_.X1 = x;
    }
    if (z.Direction != tzdHorizontal) {
      zoom_.Y1 = y;
    }
    bool wide = z.Direction == tzdVertical || std::abs(zoom_.X1 - zoom_.X0) > z.MinimumPixels;
    bool tall = z.Direction == tzdHorizontal || std::abs(zoom_.Y1 - zoom_.Y0) > z.MinimumPixels;
    if (wide && tall) {
      bool zoomIn = z.UpLeftZooms || (z.Direction == tzdVertical && zoom_.Y0 < zoom_.Y1) ||
                    (z.Direction != tzdVertical && zoom_.X0 < zoom_.X1);
      if (zoomIn) {
        ZoomRect({zoom_.X0, zoom_.Y0, zoom_.X1, zoom_.Y1});
      } else {
        UndoZoom();
      }
      Repaint();
    }
  }
  scroll_.Active = false;
}

bool TChart::MouseWheel(TShiftState, int wheelDelta, TPoint) {
  // A negative delta is a notch towards the user (down).
  int notches = wheelDelta / kWheelDelta;
  for (int i = 0; i < std::abs(notches); ++i) {
    WheelNotch(notches < 0);
  }
  return true;
}

void TChart::WheelNotch(bool down) {
  if (allowPanning_ == pmVertical || allowPanning_ == pmBoth) {
    for (TChartAxis* axis : axisList_) {
      if (!axis->Horizontal()) {
        double offset = (axis->Maximum() - axis->Minimum()) * 3 * 0.01;
        axis->Scroll(down ? offset : -offset);
      }
    }
  }
  TellTools(cmeWheel, mbMiddle, 0, 0, 0);
}

void TChart::SaveScales() {
  for (size_t i = 0; i < savedScales_.size(); ++i) {
    savedScales_[i] = axisList_[i]->Settings();
  }
  saved_ = true;
}

void TChart::ZoomRect(const TRect& rect) {
  int32_t left = Clamped(rect.Left), right = Clamped(rect.Right);
  int32_t top = Clamped(rect.Top), bottom = Clamped(rect.Bottom);
  int32_t x0 = std::min(left, right), x1 = std::max(left, right);
  int32_t y0 = std::min(top, bottom), y1 = std::max(top, bottom);
  double bottomA = BottomAxis().PixelToValue(x0), bottomB = BottomAxis().PixelToValue(x1);
  double topA = TopAxis().PixelToValue(x0), topB = TopAxis().PixelToValue(x1);
  double leftA = LeftAxis().PixelToValue(y1), leftB = LeftAxis().PixelToValue(y0);
  double rightA = RightAxis().PixelToValue(y1), rightB = RightAxis().PixelToValue(y0);
  if (!saved_) {
    SaveScales();
  }
  LeftAxis().SetMinMax(leftA, leftB);
  RightAxis().SetMinMax(rightA, rightB);
  TopAxis().SetMinMax(topA, topB);
  BottomAxis().SetMinMax(bottomA, bottomB);
  zoomed_ = true;
}

void TChart::UndoZoom() {
  if (saved_) {
    for (size_t i = 0; i < savedScales_.size(); ++i) {
      axisList_[i]->Restore(savedScales_[i]);
    }
    saved_ = false;
  }
  Repaint();
  zoomed_ = false;
}

void TChart::DrawZoomBand() {
  if (image_.IsEmpty()) {
    return;
  }
  TCanvas canvas(image_);
  DrawZoomBand(canvas);
  Invalidate();  // the kept image changed; only a copy is needed
}

void TChart::DrawZoomBand(TCanvas& canvas) {
  // Inverting pen: with the background b the pixel becomes
  // NOT((pen XOR (white - b)) XOR pixel).
  TColor background = ColorToRGB(color_) & 0xFFFFFF;
  canvas.Pen.Color = (ColorToRGB(zoomSettings_.PenColor) ^ (0xFFFFFF - background)) & 0xFFFFFF;
  canvas.Pen.Width = zoomSettings_.PenWidth;
  canvas.Pen.Style = psSolid;
  canvas.Pen.Mode = pmNotXor;
  canvas.Brush.Style = bsClear;
  canvas.Rectangle(std::min(zoom_.X0, zoom_.X1), std::min(zoom_.Y0, zoom_.Y1),
                   std::max(zoom_.X0, zoom_.X1), std::max(zoom_.Y0, zoom_.Y1));
  canvas.Pen.Mode = pmCopy;
}
