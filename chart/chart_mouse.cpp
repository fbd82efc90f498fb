// Mouse zoom and scroll: left drag zooms (or undoes leftwards), right drag
// scrolls, the wheel scrolls the vertical axes.
#include <algorithm>
#include <cstdlib>

#include "chart/chart.h"

using namespace gfx;

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
    if (!axis->Shown) {
      continue;
    }
    int32_t along = axis->Horizontal ? x : y;
    int32_t across = axis->Horizontal ? y : x;
    if (axis->FirstPixel <= along && along <= axis->LastPixel &&
        std::abs(across - axis->AxisPixel) <= 3) {
      return true;
    }
  }
  for (TChartSeries* s : seriesList_) {
    if (s->Active && s->PointAt(x, y) != -1) {
      return true;
    }
  }
  return !seriesList_.empty() && plot_.Contains(x, y);
}

void TChart::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (zoom_.Active || scroll_.Active) {
    return;
  }
  TellTools(cmeDown, button, shift, x, y);
  if (!ClickedPart(x, y)) {
    return;
  }
  bool allUseAxes = std::all_of(seriesList_.begin(), seriesList_.end(),
                                [](TChartSeries* s) { return !s->Active || s->UsesAxes(); });
  if (!allUseAxes) {
    return;
  }
  if (Zoom.Allow && button == Zoom.MouseButton && (shift & Zoom.KeyShift) == Zoom.KeyShift) {
    zoom_.X0 = Zoom.Direction == tzdVertical ? plot_.Left : x;
    zoom_.Y0 = Zoom.Direction == tzdHorizontal ? plot_.Top : y;
    zoom_.X1 = Zoom.Direction == tzdVertical ? plot_.Right : zoom_.X0;
    zoom_.Y1 = Zoom.Direction == tzdHorizontal ? plot_.Bottom : zoom_.Y0;
    zoom_.Active = true;
    DrawZoomBand();
  }
  if (AllowPanning != pmNone && button == ScrollMouseButton) {
    scroll_ = {true, x, y, x, y};
  }
}

void TChart::MouseMove(TShiftState shift, int32_t mouseX, int32_t mouseY) {
  int32_t x = mouseX, y = mouseY;
  if (zoom_.Active) {
    if (Zoom.Direction == tzdVertical) {
      x = plot_.Right;
    } else if (Zoom.Direction == tzdHorizontal) {
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
      bool horizontal = AllowPanning == pmHorizontal || AllowPanning == pmBoth;
      bool vertical = AllowPanning == pmVertical || AllowPanning == pmBoth;
      for (TChartAxis* axis : axisList_) {
        if (axis->IsDepthAxis) {
          continue;
        }
        if (axis->Horizontal && horizontal && x != scroll_.X1) {
          double d = axis->PixelToValue(scroll_.X1) - axis->PixelToValue(x);
          SetMinMax(*axis, axis->Minimum + d, axis->Maximum + d);
        } else if (!axis->Horizontal && vertical && y != scroll_.Y1) {
          double d = axis->PixelToValue(scroll_.Y1) - axis->PixelToValue(y);
          SetMinMax(*axis, axis->Minimum + d, axis->Maximum + d);
        }
      }
      scroll_.X1 = x;
      scroll_.Y1 = y;
      if (horizontal || vertical) {
        Repaint();
      }
    }
  }
  TellTools(cmeMove, mbLeft, shift, mouseX, mouseY);
}

void TChart::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  TellTools(cmeUp, button, shift, x, y);
  if (zoom_.Active && button == Zoom.MouseButton) {
    DrawZoomBand();  // erases it
    zoom_.Active = false;
    if (Zoom.Direction != tzdVertical) {
      zoom_.X1 = x;
    }
    if (Zoom.Direction != tzdHorizontal) {
      zoom_.Y1 = y;
    }
    bool wide = Zoom.Direction == tzdVertical || std::abs(zoom_.X1 - zoom_.X0) > Zoom.MinimumPixels;
    bool tall =
        Zoom.Direction == tzdHorizontal || std::abs(zoom_.Y1 - zoom_.Y0) > Zoom.MinimumPixels;
    if (wide && tall) {
      bool zoomIn = Zoom.UpLeftZooms || (Zoom.Direction == tzdVertical && zoom_.Y0 < zoom_.Y1) ||
                    (Zoom.Direction != tzdVertical && zoom_.X0 < zoom_.X1);
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

void TChart::MouseWheel(bool down) {
  if (AllowPanning == pmVertical || AllowPanning == pmBoth) {
    for (TChartAxis* axis : axisList_) {
      if (!axis->Horizontal) {
        double offset = (axis->Maximum - axis->Minimum) * 3 * 0.01;
        ScrollAxis(*axis, down ? offset : -offset);
      }
    }
  }
  TellTools(cmeWheel, mbMiddle, 0, 0, 0);
}

void TChart::SaveScales() {
  for (size_t i = 0; i < savedScales_.size(); ++i) {
    const TChartAxis& a = *axisList_[i];
    savedScales_[i] = {a.Automatic, a.AutomaticMinimum, a.AutomaticMaximum, a.Minimum, a.Maximum};
  }
  saved_ = true;
}

void TChart::ZoomRect(const TRect& rect) {
  int32_t x0 = std::min(rect.Left, rect.Right), x1 = std::max(rect.Left, rect.Right);
  int32_t y0 = std::min(rect.Top, rect.Bottom), y1 = std::max(rect.Top, rect.Bottom);
  double bottomA = BottomAxis().PixelToValue(x0), bottomB = BottomAxis().PixelToValue(x1);
  double topA = TopAxis().PixelToValue(x0), topB = TopAxis().PixelToValue(x1);
  double leftA = LeftAxis().PixelToValue(y1), leftB = LeftAxis().PixelToValue(y0);
  double rightA = RightAxis().PixelToValue(y1), rightB = RightAxis().PixelToValue(y0);
  if (!saved_) {
    SaveScales();
  }
  SetMinMax(LeftAxis(), leftA, leftB);
  SetMinMax(RightAxis(), rightA, rightB);
  SetMinMax(TopAxis(), topA, topB);
  SetMinMax(BottomAxis(), bottomA, bottomB);
  Zoomed = true;
}

void TChart::UndoZoom() {
  if (saved_) {
    for (size_t i = 0; i < savedScales_.size(); ++i) {
      TChartAxis& a = *axisList_[i];
      const TSavedScale& s = savedScales_[i];
      a.Automatic = s.Automatic;
      a.AutomaticMinimum = s.AutomaticMinimum;
      a.AutomaticMaximum = s.AutomaticMaximum;
      a.Minimum = s.Minimum;
      a.Maximum = s.Maximum;
    }
    saved_ = false;
  }
  Repaint();
  Zoomed = false;
}

void TChart::SetMinMax(TChartAxis& axis, double a, double b) {
  axis.Automatic = axis.AutomaticMinimum = axis.AutomaticMaximum = false;
  if (a > b) {
    std::swap(a, b);
  }
  axis.Minimum = a;
  axis.Maximum = b;
  if (axis.Maximum - axis.Minimum < 1e-10) {
    axis.Maximum = axis.Minimum + 1e-10;
  }
  Repaint();
}

void TChart::ScrollAxis(TChartAxis& axis, double offset) {
  axis.Automatic = axis.AutomaticMaximum = axis.AutomaticMinimum = false;
  axis.Maximum += offset;
  axis.Minimum += offset;
  Repaint();
}

void TChart::DrawZoomBand() {
  if (image_.IsEmpty()) {
    return;
  }
  TCanvas canvas(image_);
  DrawZoomBand(canvas);
  if (OnInvalidate) {
    OnInvalidate();  // the kept image changed; only a copy is needed
  }
}

void TChart::DrawZoomBand(TCanvas& canvas) {
  // Inverting pen: with the background b the pixel becomes
  // NOT((pen XOR (white - b)) XOR pixel).
  TColor background = ColorToRGB(Color) & 0xFFFFFF;
  canvas.Pen.Color = (ColorToRGB(Zoom.PenColor) ^ (0xFFFFFF - background)) & 0xFFFFFF;
  canvas.Pen.Width = Zoom.PenWidth;
  canvas.Pen.Style = psSolid;
  canvas.Pen.Mode = pmNotXor;
  canvas.Brush.Style = bsClear;
  canvas.Rectangle(std::min(zoom_.X0, zoom_.X1), std::min(zoom_.Y0, zoom_.Y1),
                   std::max(zoom_.X0, zoom_.X1), std::max(zoom_.Y0, zoom_.Y1));
  canvas.Pen.Mode = pmCopy;
}
