// Label texts and measurements of an axis, and the room it takes from the plot.
#include <algorithm>
#include <cmath>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/number_format.h"

using namespace gfx;

int32_t TChartAxis::FontHeight(TCanvas& canvas, const TFont& font) const {
  canvas.Font = font;
  return canvas.TextHeight("W");
}

std::string TChartAxis::LabelValue(double value) const {
  return FormatValue(value, chart_.NumberSeparators);
}

int32_t TChartAxis::LabelSize(TCanvas& canvas, double value) {
  bool rotated = LabelsAngle == 90 || LabelsAngle == 270;
  if (Horizontal != rotated) {
    canvas.Font = LabelsFont;
    return canvas.TextWidth(LabelValue(value));
  }
  return FontHeight(canvas, LabelsFont);  // one line: labels never break here
}

int32_t TChartAxis::MaxValueLabelWidth(TCanvas& canvas) {
  double step = ComputeStep(canvas);
  double lo = CurrentMin;
  double hi = CurrentMax;
  if (RoundFirstLabel) {
    lo = step * std::trunc(CurrentMin / step);
    hi = step * std::trunc(CurrentMax / step);
  }
  canvas.Font = LabelsFont;
  int32_t width = std::max(canvas.TextWidth(LabelValue(hi)), canvas.TextWidth(LabelValue(lo)));
  return width + canvas.TextWidth(" ");
}

TAxisLabelStyle TChartAxis::ResolveLabelStyle() const {
  if (LabelStyle != talAuto) {
    return LabelStyle;
  }
  TAxisLabelStyle style = talNone;
  for (TChartSeries* s : chart_.SeriesList()) {
    if (!s->Active || (s->HorizAxis() != this && s->VertAxis() != this)) {
      continue;
    }
    style = talValue;
    bool alongThis = s->XAlongHorizontal() ? s->HorizAxis() == this : s->VertAxis() == this;
    if (alongThis) {
      const auto& labels = s->Labels();
      if (std::any_of(labels.begin(), labels.end(), [](const auto& l) { return !l.empty(); })) {
        return talText;
      }
    }
  }
  return style;
}

void TChartAxis::ReserveSpace(TCanvas& canvas, TRect& rect) {
  TRect r = rect;
  auto shrink = [&](int32_t by) -> int32_t {
    if (Horizontal) {
      if (OtherSide) {
        r.Top += by;
        return r.Top;
      }
      r.Bottom -= by;
      return r.Bottom;
    }
    if (OtherSide) {
      r.Right -= by;
      return r.Right;
    }
    r.Left += by;
    return r.Left;
  };

  if (Title.Visible && !Title.Caption.empty()) {
    int32_t size = Title.TitleSize;
    if (size == 0) {
      bool along = Horizontal ? (Title.Angle == 0 || Title.Angle == 180)
                              : (Title.Angle == 90 || Title.Angle == 270);
      if (along) {
        size = FontHeight(canvas, Title.Font);
      } else {
        canvas.Font = Title.Font;
        size = canvas.TextWidth(Title.Caption);
      }
    }
    TitlePixel = shrink(size);
  }
  if (LabelsVisible) {
    int32_t size = LabelsSize;
    if (size == 0) {
      size = Horizontal ? FontHeight(canvas, LabelsFont) : MaxValueLabelWidth(canvas);
    }
    LabelsPixel = shrink(size);
  }
  int32_t ticks = 0;
  if (Axis.Visible) {
    ticks += Axis.Width + 1;
  }
  if (Ticks.Visible) {
    ticks += TickLength;
  }
  if (MinorTicks.Visible) {
    ticks = std::max(ticks, MinorTickLength);
  }
  shrink(ticks);

  TRect kept = r.Intersect(rect);
  if (!kept.IsEmpty()) {
    rect = kept;
  }
}
