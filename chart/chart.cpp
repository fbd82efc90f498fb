#include "chart/chart.h"

#include <algorithm>

#include "chart/palette.h"

using namespace gfx;

TChart::TChart() {
  axes_.push_back(std::make_unique<TChartAxis>(*this, true, false));         // bottom
  axes_.push_back(std::make_unique<TChartAxis>(*this, true, true));          // top
  axes_.push_back(std::make_unique<TChartAxis>(*this, false, false));        // left
  axes_.push_back(std::make_unique<TChartAxis>(*this, false, true));         // right
  axes_.push_back(std::make_unique<TChartAxis>(*this, false, false, true));  // depth
  axes_.push_back(std::make_unique<TChartAxis>(*this, false, true, true));   // depth top
  for (auto& axis : axes_) {
    axisList_.push_back(axis.get());
  }
}

TChart::~TChart() {
  // Series are cleared before they go; nothing may repaint by then.
  AutoRepaint = false;
  OnInvalidate = nullptr;
  for (TChartSeries* s : seriesList_) {
    s->Clear();
  }
}

void TChart::SetSize(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width != width_ || height != height_) {
    width_ = width;
    height_ = height;
    Repaint();
  }
}

TChartSeries& TChart::AddSeries(std::unique_ptr<TChartSeries> series) {
  TChartSeries& s = *series;
  s.chart_ = this;
  s.horiz_ = &BottomAxis();
  s.vert_ = &LeftAxis();
  if (s.SeriesColor == clDefault) {
    // The first palette colour no other series has, unlike the panel and the wall.
    TColor chosen = DefaultPalette.back();
    for (TColor c : DefaultPalette) {
      bool used = std::any_of(seriesList_.begin(), seriesList_.end(),
                              [c](TChartSeries* o) { return o->SeriesColor == c; });
      if (!used && c != Color && c != clSilver) {
        chosen = c;
        break;
      }
    }
    s.SeriesColor = chosen;
  }
  series_.push_back(std::move(series));
  seriesList_.push_back(&s);
  Repaint();
  return s;
}

TChartTool& TChart::AddTool(std::unique_ptr<TChartTool> tool) {
  TChartTool& t = *tool;
  t.chart_ = this;
  tools_.push_back(std::move(tool));
  toolList_.push_back(&t);
  return t;
}

void TChart::Repaint() {
  if (painting_ || !AutoRepaint) {
    return;
  }
  stale_ = true;
  if (OnInvalidate) {
    OnInvalidate();
  }
}

bool TChart::IsAxisShown(const TChartAxis& axis) const {
  if (!AxisVisible || !axis.Visible) {
    return false;
  }
  if (axis.IsDepthAxis) {
    return View3D;
  }
  bool anyActive = false;
  for (TChartSeries* s : seriesList_) {
    if (!s->Active) {
      continue;
    }
    anyActive = true;
    if (!s->UsesAxes()) {
      return false;
    }
    if (s->HorizAxis() == &axis || s->VertAxis() == &axis) {
      return true;
    }
  }
  return !anyActive;
}

TRect TChart::CalcMarginRect() const {
  int32_t b = BorderWidth;
  if (BevelOuter != bvNone) {
    b += BevelWidth;
  }
  if (BevelInner != bvNone) {
    b += BevelWidth;
  }
  if (BorderPenVisible) {
    b += BorderPenWidth;
  }
  int32_t left = MarginLeft, top = MarginTop, right = MarginRight, bottom = MarginBottom;
  if (MarginPercent) {
    left = MarginLeft * width_ / 100;
    right = MarginRight * width_ / 100;
    top = MarginTop * height_ / 100;
    bottom = MarginBottom * height_ / 100;
  }
  TRect panel = PanelRect();
  return {panel.Left + b + left, panel.Top + b + top, panel.Right - b - right,
          panel.Bottom - b - bottom};
}

void TChart::SetPlotRect(const TRect& r) {
  TRect panel = PanelRect();
  plot_ = r;
  plot_.Left = std::max(plot_.Left, panel.Left);
  plot_.Top = std::max(plot_.Top, panel.Top);
  if (plot_.Right < plot_.Left) {
    plot_.Right = plot_.Left + 1;
  } else if (plot_.Right == plot_.Left) {
    plot_.Right = plot_.Left + width_;
  }
  if (plot_.Bottom < plot_.Top) {
    plot_.Bottom = plot_.Top + 1;
  } else if (plot_.Bottom == plot_.Top) {
    plot_.Bottom = plot_.Top + height_;
  }
}
