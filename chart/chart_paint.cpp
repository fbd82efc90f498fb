// The paint: everything is drawn into the kept image in a fixed order.
#include <algorithm>

#include "chart/chart.h"

using namespace gfx;

void TChart::Paint(TCanvas& canvas) {
  invalidated_ = false;
  UpdateImage();
  if (canvas.ClipDepth() == 0) {
    // Row copies; the kept image is opaque throughout.
    TPoint at = canvas.Origin();
    canvas.Bitmap().CopyFrom(image_, PanelRect(), at.X, at.Y);
  } else {
    canvas.Draw(0, 0, image_, PanelRect());
  }
}

bool TChart::UpdateImage() {
  if (!stale_ && image_.Width() == Width() + 1 && image_.Height() == Height() + 1 &&
      drawnWith_ == &TextEngine()) {
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
    for (int32_t i = 0; i < bevelWidth_ && !r.IsEmpty(); ++i) {
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
  frame(bevelOuter_);
  if (borderWidth_ > 0) {
    for (int32_t i = 0; i < borderWidth_ && !r.IsEmpty(); ++i) {
      canvas.FrameRect(r, color_);
      r = r.Deflate(1);
    }
  }
  frame(bevelInner_);
}

namespace {
// Puts the repaint switches back however a paint ends: a paint that throws
// must not leave the chart deaf to repaint requests.
class TPaintScope {
 public:
  TPaintScope(bool& painting, bool& autoRepaint)
      : painting_(painting), autoRepaint_(autoRepaint), saved_(autoRepaint) {
    painting_ = true;
    autoRepaint_ = false;
  }
  ~TPaintScope() {
    painting_ = false;
    autoRepaint_ = saved_;
  }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;

 private:
  bool& painting_;
  bool& autoRepaint_;
  bool saved_;
};
}  // namespace

void TChart::Redraw() {
  if (image_.Width() != Width() + 1 || image_.Height() != Height() + 1) {
    image_.SetSize(Width() + 1, Height() + 1, PixelOf(clWhite));
  }
  ++redraws_;
  // Stale until the last step is done: a paint that throws midway leaves a
  // half-drawn image, which the next paint draws again.
  stale_ = true;
  TCanvas canvas(image_);
  canvas.SetTextEngine(&TextEngine());
  drawnWith_ = &TextEngine();

  SetPlotRect(CalcMarginRect());
  marginRect_ = plot_;
  // Changes the steps make to axes and series ask for no repaint.
  TPaintScope scope(painting_, autoRepaint_);

  DrawPanel(canvas);
  PrepareToolsAndSeries();
  PlaceAxes();
  ApplySeriesMargins();
  DrawBackWall(canvas);
  if (axisBehind_) {
    DrawAxes(canvas);
  }
  DrawSeries(canvas);
  if (!axisBehind_) {
    DrawAxes(canvas);
  }
  if (zoom_.Active) {
    DrawZoomBand(canvas);
  }
  stale_ = false;
  BarsPlaced();
}

void TChart::DrawPanel(TCanvas& canvas) {
  TRect panel = PanelRect();
  if (color_ != clNone) {
    canvas.FillRect(panel, color_);
  }
  DrawBevels(canvas, panel);
}

void TChart::PrepareToolsAndSeries() {
  for (TChartTool* t : toolList_) {
    if (t->Active()) {
      t->ChartPaintStart();
    }
  }
  for (TChartSeries* s : seriesList_) {
    if (s->Active()) {
      s->PrepareForPaint();
    }
  }
}

// Ranges first, then room for the shown axes' labels and titles out of the
// margins' plot area, then the axes placed along what is left.
void TChart::PlaceAxes() {
  for (TChartAxis* axis : axisList_) {
    axis->AdjustRange(IsAxisShown(*axis));
  }
  for (TChartAxis* axis : axisList_) {
    axis->PlaceAxis();
  }
  TRect rest = plot_;
  for (TChartAxis* axis : axisList_) {
    if (axis->Shown()) {
      axis->ReserveSpace(rest);
    }
  }
  SetPlotRect(rest);
  for (TChartAxis* axis : axisList_) {
    axis->PlaceAxis();
  }
}

// Widens each automatic end of an axis by the pixels its series need there
// (the bar series' side margins).
void TChart::ApplySeriesMargins() {
  for (TChartAxis* axis : axisList_) {
    int32_t low = 0, high = 0;
    for (TChartSeries* s : seriesList_) {
      if (!s->Active()) {
        continue;
      }
      int32_t a = 0, b = 0;
      if (axis->Horizontal() && s->HorizAxis() == axis) {
        s->CalcHorizMargins(a, b);
      } else if (!axis->Horizontal() && s->VertAxis() == axis) {
        s->CalcVerticalMargins(a, b);
      } else {
        continue;
      }
      low = std::max(low, a);
      high = std::max(high, b);
    }
    bool autoLow = axis->Automatic() &&
                   (axis->Horizontal() ? axis->AutomaticMinimum() : axis->AutomaticMaximum());
    bool autoHigh = axis->Automatic() &&
                    (axis->Horizontal() ? axis->AutomaticMaximum() : axis->AutomaticMinimum());
    axis->ApplyMargins(autoLow ? low : 0, autoHigh ? high : 0);
  }
}

void TChart::DrawBackWall(TCanvas& canvas) {
  if (!backWallPen_.Visible) {
    return;
  }
  canvas.Pen.Color = backWallPen_.Color;
  canvas.Pen.Width = backWallPen_.Width;
  canvas.Pen.Style = psSolid;
  canvas.Pen.Mode = pmCopy;
  canvas.Brush.Style = bsClear;
  canvas.Rectangle(plot_.Left, plot_.Top, plot_.Right + 1, plot_.Bottom + 1);
}

void TChart::DrawAxes(TCanvas& canvas) {
  for (TChartAxis* axis : axisList_) {
    if (axis->Shown()) {
      axis->DrawAxis(canvas);
    }
  }
}

// Each active series clipped to the plot area, unless it clips itself.
void TChart::DrawSeries(TCanvas& canvas) {
  for (TChartSeries* s : seriesList_) {
    if (!s->Active()) {
      continue;
    }
    s->CalcVisibleRange();
    bool clip = clipPoints_ && s->UsesAxes();
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
}
