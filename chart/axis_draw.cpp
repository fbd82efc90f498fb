// Drawing of an axis: title, labels, axis line, ticks and minor ticks.
#include <cmath>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/number_format.h"
#include "chart/pixel_math.h"

using namespace gfx;

namespace {
constexpr int32_t kMaxValueLabels = 10000;
}

void TChartAxis::DrawAxis(TCanvas& canvas) {
  const TRect& plot = chart_.PlotRect();
  if (Horizontal()) {
    axisPixel_ = otherSide_ ? plot.Top : plot.Bottom;
  } else {
    axisPixel_ = otherSide_ ? plot.Right : plot.Left;
  }

  if (title_.Visible && !title_.Caption.empty()) {
    if (Horizontal()) {
      DrawAxisText(canvas, CenterPixel(), titlePixel_, title_.Caption, title_.Angle, title_.Font);
    } else {
      DrawAxisText(canvas, titlePixel_, CenterPixel(), title_.Caption, title_.Angle, title_.Font);
    }
  }

  tickPixels_.clear();
  drawnLabels_.clear();
  labelStep_ = 0;
  TAxisLabelStyle style = ResolveLabelStyle();
  if (labelsVisible_ && style != talNone) {
    labelStep_ = ComputeStep();
    if (labelStep_ > 0 && CurrentMax() >= CurrentMin()) {
      if (style == talValue) {
        DrawValueLabels(canvas);
      } else {
        DrawTextLabels(canvas);
      }
    }
  }
  DrawLineAndTicks(canvas);
}

// Both loops count their passes: near the 1e-10 zoom floor at large values a
// step can be below half of v's precision, and v -= step then leaves v as is.
void TChartAxis::DrawValueLabels(TCanvas& canvas) {
  const double step = labelStep_;
  if (std::fabs(CurrentRange() / step) >= kMaxValueLabels) {
    return;
  }
  auto drawAt = [&](double v) {
    int32_t p = ValueToPixel(v);
    if (labelsOnAxis_ || (FirstPixel() < p && p < LastPixel())) {
      DrawLabel(canvas, p, LabelValue(v), v);
    }
  };
  double v = CurrentMax();
  if (roundFirstLabel_ && GeneralText15(CurrentMin()) != GeneralText15(CurrentMax())) {
    v = step * std::trunc(CurrentMax() / step);
  }
  for (int32_t n = 0; v > CurrentMax() && n < kMaxValueLabels; ++n) {
    v -= step;
  }
  if (v > CurrentMax()) {
    v = CurrentMax();  // the step is below v's precision: start at the top
  }
  if (RangeIsZero() || std::fabs(CurrentMax() - CurrentMin()) < 1e-10 ||
      GeneralText15(v) == GeneralText15(v - step)) {
    drawAt(v);
    return;
  }
  double limit = CurrentMin() >= 0 ? (CurrentMin() - 1e-12) / (1 + 1e-12) : CurrentMin();
  for (int32_t n = 0; v >= limit && n < kMaxValueLabels; ++n) {
    drawAt(v);
    v -= step;
  }
}

void TChartAxis::DrawTextLabels(TCanvas& canvas) {
  std::vector<TChartSeries*> series;
  int32_t first = -1, last = -1;
  for (TChartSeries* s : chart_.SeriesList()) {
    if (!s->Active() || (s->HorizAxis() != this && s->VertAxis() != this)) {
      continue;
    }
    series.push_back(s);
    s->CalcVisibleRange();
    if (s->FirstVisibleIndex() >= 0 && (first < 0 || s->FirstVisibleIndex() < first)) {
      first = s->FirstVisibleIndex();
    }
    if (s->LastVisibleIndex() > last) {
      last = s->LastVisibleIndex();
    }
  }
  if (first < 0 || last < 0) {
    return;
  }
  int32_t prevPixel = -1;
  int32_t prevHalf = 0;
  for (int32_t i = first; i <= last; ++i) {
    TChartSeries* owner = nullptr;
    const std::string* text = nullptr;
    for (TChartSeries* s : series) {
      if (s->FirstVisibleIndex() <= i && i <= s->LastVisibleIndex() &&
          static_cast<size_t>(i) < s->Labels().size() && !s->Labels()[i].empty()) {
        owner = s;
        text = &s->Labels()[i];
        break;
      }
    }
    if (owner == nullptr) {
      continue;
    }
    double value = Horizontal() == owner->XAlongHorizontal() ? owner->XValue(i) : owner->YValue(i);
    if (value < CurrentMin() || value > CurrentMax()) {
      continue;
    }
    int32_t p = ValueToPixel(value);
    bool separated = labelsSeparation_ != 0 && prevPixel != -1;
    // A label this close to the last one drawn cannot fit, whatever its size.
    if (separated && ((p >= prevPixel && p < prevPixel + prevHalf) ||
                      (p < prevPixel && p > prevPixel - prevHalf))) {
      continue;
    }
    int32_t size;
    if (Horizontal() && labelsAngle_ == 0) {
      size = TextLabelWidth(*owner, i);
    } else {
      size = FontHeight(labelsFont_);
    }
    if (separated) {
      int32_t e = (size + static_cast<int32_t>(std::trunc(size * 0.02 * labelsSeparation_))) / 2;
      bool fits = (p >= prevPixel && p - e >= prevPixel + prevHalf) ||
                  (p < prevPixel && p + e <= prevPixel - prevHalf);
      if (fits) {
        DrawLabel(canvas, p, *text, value);
        prevPixel = p;
        prevHalf = e;
      }
    } else {
      DrawLabel(canvas, p, *text, value);
      prevPixel = p;
      prevHalf = size / 2;
    }
  }
}

int32_t TChartAxis::TextLabelWidth(const TChartSeries& series, int32_t index) {
  TWidthCache& c = widthCache_;
  const TTextEngine* engine = &chart_.TextEngine();
  if (!(c.Font == labelsFont_) || c.Engine != engine) {
    c.Font = labelsFont_;
    c.Engine = engine;
    c.ByText.clear();
    c.Series = nullptr;
  }
  if (c.Series != &series || c.Version != series.LabelsVersion()) {
    c.Series = &series;
    c.Version = series.LabelsVersion();
    c.Widths.assign(series.Labels().size(), -1);
    if (c.ByText.size() > 2 * c.Widths.size() + 1000) {
      c.ByText.clear();  // texts of fills long gone
    }
  }
  int32_t& width = c.Widths[static_cast<size_t>(index)];
  if (width < 0) {
    const std::string& text = series.Labels()[static_cast<size_t>(index)];
    auto [it, added] = c.ByText.try_emplace(text, 0);
    if (added) {
      it->second = TextWidth(labelsFont_, text);
    }
    width = it->second;
  }
  return width;
}

void TChartAxis::DrawLabel(TCanvas& canvas, int32_t pixel, const std::string& text, double value) {
  if (tickOnLabelsOnly_) {
    tickPixels_.push_back(pixel);
  }
  drawnLabels_.push_back({pixel, text, value});
  if (Horizontal()) {
    DrawAxisText(canvas, pixel, labelsPixel_, text, labelsAngle_, labelsFont_);
  } else {
    DrawAxisText(canvas, labelsPixel_, pixel, text, labelsAngle_, labelsFont_);
  }
}

void TChartAxis::DrawAxisText(TCanvas& canvas, int32_t x, int32_t y, const std::string& text,
                              int32_t angle, const TFont& font) {
  int32_t h = FontHeight(font);
  int32_t w = TextWidth(font, text);
  TFont drawn = font;
  if (angle == 90 || angle == 270) {
    drawn.Orientation = 900;
    canvas.Font = drawn;
    // Reads bottom to top, centred on y; the text's bottom edge on x (left
    // axis) or its top edge on x (right axis).
    int32_t left = otherSide_ ? x : x - h;
    canvas.DrawTextAt(left, y + w / 2, text);
    return;
  }
  drawn.Orientation = 0;
  canvas.Font = drawn;
  if (Horizontal()) {
    canvas.DrawTextAt(x - w / 2, otherSide_ ? y - h : y, text);
  } else {
    int32_t top = y - h / 2;
    canvas.DrawTextAt(otherSide_ ? x : x - w, top, text);
  }
}

void TChartAxis::DrawTick(TCanvas& canvas, int32_t p, int32_t length) {
  if (Horizontal()) {
    int32_t start = otherSide_ ? axisPixel_ - 1 : axisPixel_ + 1;
    canvas.Line(p, start, p, otherSide_ ? start - length : start + length);
  } else {
    int32_t start = otherSide_ ? axisPixel_ + 1 : axisPixel_ - 1;
    canvas.Line(start, p, otherSide_ ? start + length : start - length, p);
  }
}

void TChartAxis::DrawLineAndTicks(TCanvas& canvas) {
  canvas.Pen.Mode = pmCopy;
  canvas.Pen.Style = psSolid;
  if (axisPen_.Visible) {
    canvas.Pen.Color = axisPen_.Color;
    canvas.Pen.Width = axisPen_.Width;
    if (Horizontal()) {
      canvas.Line(FirstPixel(), axisPixel_, LastPixel(), axisPixel_);
    } else {
      canvas.Line(axisPixel_, FirstPixel(), axisPixel_, LastPixel());
    }
  }
  if (ticks_.Visible) {
    canvas.Pen.Color = ticks_.Color;
    canvas.Pen.Width = ticks_.Width;
    for (int32_t p : tickPixels_) {
      DrawTick(canvas, p, tickLength_);
    }
  }
  // Inner ticks (length 0) and grids: this chart has none.
  if (tickPixels_.empty() || !minorTicks_.Visible || minorTickCount_ <= 0) {
    return;
  }
  canvas.Pen.Color = minorTicks_.Color;
  canvas.Pen.Width = minorTicks_.Width;
  canvas.Brush.Style = bsClear;
  auto minor = [&](int32_t p) {
    if (FirstPixel() < p && p < LastPixel()) {
      DrawTick(canvas, p, minorTickLength_);
    }
  };
  const double k = minorTickCount_ + 1;
  size_t lastIndex = tickPixels_.size() - 1;
  if (tickPixels_.size() >= 2) {
    double delta = (tickPixels_[1] - tickPixels_[0]) / k;
    for (int32_t j = 1; j <= minorTickCount_; ++j) {
      minor(tickPixels_[0] - RoundHalfEven(j * delta));
      minor(tickPixels_[lastIndex] + RoundHalfEven(j * delta));
    }
  }
  for (size_t i = 1; i <= lastIndex; ++i) {
    double delta = (tickPixels_[i] - tickPixels_[i - 1]) / k;
    for (int32_t j = 1; j <= minorTickCount_; ++j) {
      minor(tickPixels_[i] - RoundHalfEven(delta * j));
    }
  }
}
