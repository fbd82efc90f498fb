// Label texts and measurements of an axis, and the room it takes from the plot.
#include <algorithm>
#include <cmath>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/number_format.h"
#include "gfx/text_layout.h"

using namespace gfx;

int32_t TChartAxis::FontHeight(const TFont& font) const {
  return MeasureText(chart_.TextEngine(), font, "W").Height;
}

int32_t TChartAxis::TextWidth(const TFont& font, std::string_view text) const {
  return MeasureText(chart_.TextEngine(), font, text).Width;
}

std::string TChartAxis::LabelValue(double value) const {
  return FormatValue(value, chart_.NumberSeparators());
}

int32_t TChartAxis::LabelSize(double value) const {
  bool rotated = labelsAngle_ == 90 || labelsAngle_ == 270;
  if (Horizontal() != rotated) {
    return TextWidth(labelsFont_, LabelValue(value));
  }
  return FontHeight(labelsFont_);  // one line: labels never break here
}

int32_t TChartAxis::MaxValueLabelWidth() const {
  double step = ComputeStep();
  double lo = CurrentMin();
  double hi = CurrentMax();
  if (roundFirstLabel_) {
    lo = step * std::trunc(CurrentMin() / step);
    hi = step * std::trunc(CurrentMax() / step);
  }
  int32_t width =
      std::max(TextWidth(labelsFont_, LabelValue(hi)), TextWidth(labelsFont_, LabelValue(lo)));
  return width + TextWidth(labelsFont_, " ");
}

TAxisLabelStyle TChartAxis::ResolveLabelStyle() const {
  if (labelStyle_ != talAuto) {
    return labelStyle_;
  }
  TAxisLabelStyle style = talNone;
  for (TChartSeries* s : chart_.SeriesList()) {
    if (!s->Active() || (s->HorizAxis() != this && s->VertAxis() != this)) {
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

void TChartAxis::ReserveSpace(TRect& rect) {
  TRect r = rect;
  auto shrink = [&](int32_t by) -> int32_t {
    if (Horizontal()) {
      if (otherSide_) {
        r.Top += by;
        return r.Top;
      }
      r.Bottom -= by;
      return r.Bottom;
    }
    if (otherSide_) {
      r.Right -= by;
      return r.Right;
    }
    r.Left += by;
    return r.Left;
  };

  if (title_.Visible && !title_.Caption.empty()) {
    int32_t size = title_.TitleSize;
    if (size == 0) {
      bool along = Horizontal() ? (title_.Angle == 0 || title_.Angle == 180)
                                : (title_.Angle == 90 || title_.Angle == 270);
      size = along ? FontHeight(title_.Font) : TextWidth(title_.Font, title_.Caption);
    }
    titlePixel_ = shrink(size);
  }
  if (labelsVisible_) {
    int32_t size = labelsSize_;
    if (size == 0) {
      size = Horizontal() ? FontHeight(labelsFont_) : MaxValueLabelWidth();
    }
    labelsPixel_ = shrink(size);
  }
  int32_t ticks = 0;
  if (axisPen_.Visible) {
    ticks += axisPen_.Width + 1;
  }
  if (ticks_.Visible) {
    ticks += tickLength_;
  }
  if (minorTicks_.Visible) {
    ticks = std::max(ticks, minorTickLength_);
  }
  shrink(ticks);

  TRect kept = r.Intersect(rect);
  if (!kept.IsEmpty()) {
    rect = kept;
  }
}
