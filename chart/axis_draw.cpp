// Drawing of an axis: title, labels, axis line, ticks and minor ticks.
#include <cmath>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/number_format.h"
#include "chart/pixel_math.h"

using namespace gfx;

namespace {
constexpr double kMaxValueLabels = 10000;
}

void TChartAxis::DrawAxis(TCanvas& canvas) {
  const TRect& plot = chart_.PlotRect();
  if (Horizontal) {
    AxisPixel = OtherSide ? plot.Top : plot.Bottom;
  } else {
    AxisPixel = OtherSide ? plot.Right : plot.Left;
  }

  if (Title.Visible && !Title.Caption.empty()) {
    if (Horizontal) {
      DrawAxisText(canvas, CenterPixel, TitlePixel, Title.Caption, Title.Angle, Title.Font);
    } else {
      DrawAxisText(canvas, TitlePixel, CenterPixel, Title.Caption, Title.Angle, Title.Font);
    }
  }

  TickPixels.clear();
  DrawnLabels.clear();
  LabelStep = 0;
  TAxisLabelStyle style = ResolveLabelStyle();
  if (LabelsVisible && style != talNone) {
    LabelStep = ComputeStep(canvas);
    if (LabelStep > 0 && CurrentMax >= CurrentMin) {
      if (style == talValue) {
        DrawValueLabels(canvas);
      } else {
        DrawTextLabels(canvas);
      }
    }
  }
  DrawLineAndTicks(canvas);
}

void TChartAxis::DrawValueLabels(TCanvas& canvas) {
  if (std::fabs(CurrentRange / LabelStep) >= kMaxValueLabels) {
    return;
  }
  auto drawAt = [&](double v) {
    int32_t p = ValueToPixel(v);
    if (LabelsOnAxis || (FirstPixel < p && p < LastPixel)) {
      DrawLabel(canvas, p, LabelValue(v), v);
    }
  };
  double v = CurrentMax;
  if (RoundFirstLabel && GeneralText15(CurrentMin) != GeneralText15(CurrentMax)) {
    v = LabelStep * std::trunc(CurrentMax / LabelStep);
  }
  while (v > CurrentMax) {
    v -= LabelStep;
  }
  if (RangeIsZero || std::fabs(CurrentMax - CurrentMin) < 1e-10 ||
      GeneralText15(v) == GeneralText15(v - LabelStep)) {
    drawAt(v);
    return;
  }
  double limit = CurrentMin >= 0 ? (CurrentMin - 1e-12) / (1 + 1e-12) : CurrentMin;
  while (v >= limit) {
    drawAt(v);
    v -= LabelStep;
  }
}

void TChartAxis::DrawTextLabels(TCanvas& canvas) {
  std::vector<TChartSeries*> series;
  int32_t first = -1, last = -1;
  for (TChartSeries* s : chart_.SeriesList()) {
    if (!s->Active || (s->HorizAxis() != this && s->VertAxis() != this)) {
      continue;
    }
    series.push_back(s);
    s->CalcVisibleRange();
    if (s->FirstVisibleIndex >= 0 && (first < 0 || s->FirstVisibleIndex < first)) {
      first = s->FirstVisibleIndex;
    }
    if (s->LastVisibleIndex > last) {
      last = s->LastVisibleIndex;
    }
  }
  if (first < 0 || last < 0) {
    return;
  }
  canvas.Font = LabelsFont;
  int32_t prevPixel = -1;
  int32_t prevHalf = 0;
  for (int32_t i = first; i <= last; ++i) {
    TChartSeries* owner = nullptr;
    const std::string* text = nullptr;
    for (TChartSeries* s : series) {
      if (s->FirstVisibleIndex <= i && i <= s->LastVisibleIndex &&
          static_cast<size_t>(i) < s->Labels().size() && !s->Labels()[i].empty()) {
        owner = s;
        text = &s->Labels()[i];
        break;
      }
    }
    if (owner == nullptr) {
      continue;
    }
    double value = Horizontal == owner->XAlongHorizontal() ? owner->XValue(i) : owner->YValue(i);
    if (value < CurrentMin || value > CurrentMax) {
      continue;
    }
    int32_t p = ValueToPixel(value);
    bool separated = LabelsSeparation != 0 && prevPixel != -1;
    // A label this close to the last one drawn cannot fit, whatever its size.
    if (separated && ((p >= prevPixel && p < prevPixel + prevHalf) ||
                      (p < prevPixel && p > prevPixel - prevHalf))) {
      continue;
    }
    int32_t size;
    if (Horizontal && LabelsAngle == 0) {
      size = TextLabelWidth(canvas, *owner, i);
    } else {
      size = FontHeight(canvas, LabelsFont);
      canvas.Font = LabelsFont;
    }
    if (separated) {
      int32_t e = (size + static_cast<int32_t>(std::trunc(size * 0.02 * LabelsSeparation))) / 2;
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

int32_t TChartAxis::TextLabelWidth(TCanvas& canvas, const TChartSeries& series, int32_t index) {
  TWidthCache& c = widthCache_;
  const TTextEngine* engine = &canvas.TextEngine();
  if (c.Series != &series || c.Version != series.LabelsVersion() || !(c.Font == LabelsFont) ||
      c.Engine != engine) {
    c.Series = &series;
    c.Version = series.LabelsVersion();
    c.Font = LabelsFont;
    c.Engine = engine;
    c.Widths.assign(series.Labels().size(), -1);
  }
  int32_t& width = c.Widths[static_cast<size_t>(index)];
  if (width < 0) {
    canvas.Font = LabelsFont;
    width = canvas.TextWidth(series.Labels()[static_cast<size_t>(index)]);
  }
  return width;
}

void TChartAxis::DrawLabel(TCanvas& canvas, int32_t pixel, const std::string& text, double value) {
  if (TickOnLabelsOnly) {
    TickPixels.push_back(pixel);
  }
  DrawnLabels.push_back({pixel, text, value});
  if (Horizontal) {
    DrawAxisText(canvas, pixel, LabelsPixel, text, LabelsAngle, LabelsFont);
  } else {
    DrawAxisText(canvas, LabelsPixel, pixel, text, LabelsAngle, LabelsFont);
  }
}

void TChartAxis::DrawAxisText(TCanvas& canvas, int32_t x, int32_t y, const std::string& text,
                              int32_t angle, const TFont& font) {
  int32_t h = FontHeight(canvas, font);
  TFont drawn = font;
  if (angle == 90 || angle == 270) {
    drawn.Orientation = 900;
    canvas.Font = drawn;
    int32_t w = canvas.TextWidth(text);
    // Reads bottom to top, centred on y; the text's bottom edge on x (left
    // axis) or its top edge on x (right axis).
    int32_t left = OtherSide ? x : x - h;
    canvas.TextOut(left, y + w / 2, text);
    return;
  }
  drawn.Orientation = 0;
  canvas.Font = drawn;
  int32_t w = canvas.TextWidth(text);
  if (Horizontal) {
    canvas.TextOut(x - w / 2, OtherSide ? y - h : y, text);
  } else {
    int32_t top = y - h / 2;
    canvas.TextOut(OtherSide ? x : x - w, top, text);
  }
}

void TChartAxis::DrawTick(TCanvas& canvas, int32_t p, int32_t length) {
  if (Horizontal) {
    int32_t start = OtherSide ? AxisPixel - 1 : AxisPixel + 1;
    canvas.Line(p, start, p, OtherSide ? start - length : start + length);
  } else {
    int32_t start = OtherSide ? AxisPixel + 1 : AxisPixel - 1;
    canvas.Line(start, p, OtherSide ? start + length : start - length, p);
  }
}

void TChartAxis::DrawLineAndTicks(TCanvas& canvas) {
  canvas.Pen.Mode = pmCopy;
  canvas.Pen.Style = psSolid;
  if (Axis.Visible) {
    canvas.Pen.Color = Axis.Color;
    canvas.Pen.Width = Axis.Width;
    if (Horizontal) {
      canvas.Line(FirstPixel, AxisPixel, LastPixel, AxisPixel);
    } else {
      canvas.Line(AxisPixel, FirstPixel, AxisPixel, LastPixel);
    }
  }
  if (Ticks.Visible) {
    canvas.Pen.Color = Ticks.Color;
    canvas.Pen.Width = Ticks.Width;
    for (int32_t p : TickPixels) {
      DrawTick(canvas, p, TickLength);
    }
  }
  // Inner ticks have length 0 here and grids are hidden: nothing to draw.
  if (TickPixels.empty() || !MinorTicks.Visible || MinorTickCount <= 0) {
    return;
  }
  canvas.Pen.Color = MinorTicks.Color;
  canvas.Pen.Width = MinorTicks.Width;
  canvas.Brush.Style = bsClear;
  auto minor = [&](int32_t p) {
    if (FirstPixel < p && p < LastPixel) {
      DrawTick(canvas, p, MinorTickLength);
    }
  };
  const double k = MinorTickCount + 1;
  size_t lastIndex = TickPixels.size() - 1;
  if (TickPixels.size() >= 2) {
    double delta = (TickPixels[1] - TickPixels[0]) / k;
    for (int32_t j = 1; j <= MinorTickCount; ++j) {
      minor(TickPixels[0] - RoundHalfEven(j * delta));
      minor(TickPixels[lastIndex] + RoundHalfEven(j * delta));
    }
  }
  for (size_t i = 1; i <= lastIndex; ++i) {
    double delta = (TickPixels[i] - TickPixels[i - 1]) / k;
    for (int32_t j = 1; j <= MinorTickCount; ++j) {
      minor(TickPixels[i] - RoundHalfEven(delta * j));
    }
  }
}
