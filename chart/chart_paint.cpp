// The paint: everything is drawn into the kept image in a fixed order.
#include <algorithm>

#include "chart/chart.h"

using namespace gfx;

void TChart::Paint(TCanvas& screen) {
  UpdateImage();
  if (screen.ClipDepth() == 0) {
    // Row copies; the kept image is opaque throughout.
    TPoint at = screen.Origin();
    screen.Bitmap().CopyFrom(image_, PanelRect(), at.X, at.Y);
  } else {
    screen.Draw(0, 0, image_, PanelRect());
  }
}

bool TChart::UpdateImage() {
  if (!stale_ && image_.Width() == width_ + 1 && image_.Height() == height_ + 1) {
    return false;
  }
  Redraw();
  return true;
}

void TChart::DrawBevels(TCanvas& canvas, TRect& r) {
  auto frame = [&](TPanelBevel bevel) {
    if (bevel == bvNone) {
      return;
    }
    TColor top = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
    TColor bottom = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    for (int32_t i = 0; i < BevelWidth && !r.IsEmpty(); ++i) {
      // Top and left in the highlight, bottom and right (with both far
      // corners) in the shadow.
      canvas.Pen.Color = top;
      canvas.Line(r.Left, r.Bottom - 1, r.Left, r.Top);
      canvas.Line(r.Left, r.Top, r.Right - 1, r.Top);
      canvas.Pen.Color = bottom;
      canvas.Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
      canvas.Line(r.Right - 1, r.Bottom - 1, r.Left - 1, r.Bottom - 1);
      r = r.Deflate(1);
    }
  };
  frame(BevelOuter);
  if (BorderWidth > 0) {
    for (int32_t i = 0; i < BorderWidth && !r.IsEmpty(); ++i) {
      canvas.FrameRect(r, Color);
      r = r.Deflate(1);
    }
  }
  frame(BevelInner);
}

void TChart::Redraw() {
  if (image_.Width() != width_ + 1 || image_.Height() != height_ + 1) {
    image_.SetSize(width_ + 1, height_ + 1, PixelOf(clWhite));
  }
  ++redraws_;
  TCanvas canvas(image_);
  if (engine_ != nullptr) {
    canvas.SetTextEngine(engine_);
  }

  // 1, 2: the plot area from the margins; repaint requests off from here on.
  SetPlotRect(CalcMarginRect());
  marginRect_ = plot_;
  bool savedAuto = AutoRepaint;
  AutoRepaint = false;
  painting_ = true;

  // 3: panel and bevels.
  TRect panel = PanelRect();
  if (Color != clNone) {
    canvas.FillRect(panel, Color);
  }
  DrawBevels(canvas, panel);

  // 4: tools and series get ready.
  for (TChartTool* t : toolList_) {
    if (t->Active()) {
      t->ChartPaintStart();
    }
  }
  for (TChartSeries* s : seriesList_) {
    if (s->Active) {
      s->PrepareForPaint();
    }
  }

  // 6, 7: ranges, room for the shown axes, and the final plot area.
  for (TChartAxis* axis : axisList_) {
    axis->Shown = IsAxisShown(*axis);
    axis->AdjustRange();
  }
  for (TChartAxis* axis : axisList_) {
    axis->PlaceAxis();
  }
  TRect rest = plot_;
  for (TChartAxis* axis : axisList_) {
    if (axis->Shown) {
      axis->ReserveSpace(canvas, rest);
    }
  }
  SetPlotRect(rest);
  for (TChartAxis* axis : axisList_) {
    axis->PlaceAxis();
  }

  // 8: the series' margins.
  for (TChartAxis* axis : axisList_) {
    int32_t low = 0, high = 0;
    for (TChartSeries* s : seriesList_) {
      if (!s->Active) {
        continue;
      }
      int32_t a = 0, b = 0;
      if (axis->Horizontal && s->HorizAxis() == axis) {
        s->CalcHorizMargins(a, b);
      } else if (!axis->Horizontal && s->VertAxis() == axis) {
        s->CalcVerticalMargins(a, b);
      } else {
        continue;
      }
      low = std::max(low, a);
      high = std::max(high, b);
    }
    bool autoLow =
        axis->Automatic && (axis->Horizontal ? axis->AutomaticMinimum : axis->AutomaticMaximum);
    bool autoHigh =
        axis->Automatic && (axis->Horizontal ? axis->AutomaticMaximum : axis->AutomaticMinimum);
    axis->ApplyMargins(autoLow ? low : 0, autoHigh ? high : 0);
  }

  // 9: the back wall's outline.
  if (BackWallVisible) {
    canvas.Pen.Color = BackWallPenColor;
    canvas.Pen.Width = BackWallPenWidth;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    canvas.Brush.Style = bsClear;
    canvas.Rectangle(plot_.Left, plot_.Top, plot_.Right + 1, plot_.Bottom + 1);
  }

  // 10, 11: axes behind the series, then the series clipped to the plot area.
  for (TChartAxis* axis : axisList_) {
    if (axis->Shown) {
      axis->DrawAxis(canvas);
    }
  }
  for (TChartSeries* s : seriesList_) {
    if (!s->Active) {
      continue;
    }
    s->CalcVisibleRange();
    bool clip = ClipPoints && s->UsesAxes();
    TRect clipRect{plot_.Left, plot_.Top, plot_.Right, plot_.Bottom + 1};
    if (!clip) {
      clipRect = image_.BoundsRect();
    }
    s->SetClipRect(clipRect);
    clip = clip && !s->ClipsItself();
    if (clip) {
      canvas.PushClipRect(clipRect);
    }
    s->DrawAllPoints(canvas);
    if (clip) {
      canvas.PopClip();
    }
  }

  // 13: a zoom drag in progress.
  if (zoom_.Active) {
    DrawZoomBand(canvas);
  }

  painting_ = false;
  AutoRepaint = savedAuto;
  stale_ = false;
}
