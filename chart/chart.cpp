#include "chart/chart.h"

#include <algorithm>

#include "chart/palette.h"

using namespace gfx;

TChart::TChart() {
  // The mouse zooms and scrolls; the keyboard focus stays where it was.
  SetAcceptsFocus(false);
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
  autoRepaint_ = false;
  for (TChartSeries* s : seriesList_) {
    s->Clear();
  }
}

void TChart::SetMargins(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  marginLeft_ = left;
  marginTop_ = top;
  marginRight_ = right;
  marginBottom_ = bottom;
  Repaint();
}

void TChart::Resize() {
  Repaint();
  TWinControl::Resize();
}

void TChart::ChangeScale(int m, int d) {
  if (m != d) {
    for (TChartAxis* axis : axisList_) {
      axis->ChangeScale(m, d);
    }
  }
  TWinControl::ChangeScale(m, d);
}

TChartSeries& TChart::AddSeries(std::unique_ptr<TChartSeries> series) {
  TChartSeries& s = *series;
  s.chart_ = this;
  s.horiz_ = &BottomAxis();
  s.vert_ = &LeftAxis();
  if (s.seriesColor_ == clDefault) {
    // The first palette colour no other series has, unlike the panel and the wall.
    TColor chosen = DefaultPalette.back();
    for (TColor c : DefaultPalette) {
      bool used = std::any_of(seriesList_.begin(), seriesList_.end(),
                              [c](TChartSeries* o) { return o->SeriesColor() == c; });
      if (!used && c != color_ && c != clSilver) {
        chosen = c;
        break;
      }
    }
    s.seriesColor_ = chosen;
  }
  series_.push_back(std::move(series));
  seriesList_.push_back(&s);
  Repaint();
  SeriesPointsChanged();
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
  if (painting_ || !autoRepaint_) {
    return;
  }
  stale_ = true;
  // A refill asks once per point; the window needs to hear it once per paint.
  if (!invalidated_) {
    invalidated_ = true;
    Invalidate();
  }
}

bool TChart::IsAxisShown(const TChartAxis& axis) const {
  if (!axisVisible_ || !axis.Visible()) {
    return false;
  }
  if (axis.IsDepthAxis()) {
    return view3D_;
  }
  bool anyActive = false;
  for (TChartSeries* s : seriesList_) {
    if (!s->Active()) {
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
  int32_t b = borderWidth_;
  if (bevelOuter_ != bvNone) {
    b += bevelWidth_;
  }
  if (bevelInner_ != bvNone) {
    b += bevelWidth_;
  }
  if (borderPen_.Visible) {
    b += borderPen_.Width;
  }
  int32_t left = marginLeft_, top = marginTop_, right = marginRight_, bottom = marginBottom_;
  if (marginUnits_ == muPercent) {
    left = marginLeft_ * Width() / 100;
    right = marginRight_ * Width() / 100;
    top = marginTop_ * Height() / 100;
    bottom = marginBottom_ * Height() / 100;
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
    plot_.Right = plot_.Left + Width();
  }
  if (plot_.Bottom < plot_.Top) {
    plot_.Bottom = plot_.Top + 1;
  } else if (plot_.Bottom == plot_.Top) {
    plot_.Bottom = plot_.Top + Height();
  }
}
