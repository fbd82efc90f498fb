#include "chart/series.h"

#include <algorithm>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/number_format.h"
#include "chart/palette.h"

using namespace gfx;

void TChartSeries::Repaint() {
  if (active_ && chart_ != nullptr) {
    chart_->Repaint();
  }
}

void TChartSeries::SetActive(bool v) {
  active_ = v;
  if (chart_ != nullptr) {
    chart_->Repaint();  // also when it goes: its bars and axes go with it
    chart_->SeriesPointsChanged();
  }
}

void TChartSeries::Clear() {
  firstVisible_ = -1;
  lastVisible_ = -1;
  xValues_.RemoveAll();
  yValues_.RemoveAll();
  hasColors_ = false;
  colors_.clear();
  colors_.shrink_to_fit();
  labels_.clear();
  ++labelsVersion_;
  Repaint();
  if (chart_ != nullptr) {
    chart_->SeriesPointsChanged();
  }
}

int32_t TChartSeries::Add(double value, const std::string& label, TColor color) {
  return AddPoint(static_cast<double>(Count()), value, label, color);
}

int32_t TChartSeries::AddPoint(double x, double y, const std::string& label, TColor color) {
  int32_t index = xValues_.InsertOrdered(x);
  yValues_.InsertAt(index, y);

  auto at = [index](auto& list) { return list.begin() + index; };
  if (hasColors_) {
    colors_.insert(at(colors_), color);
  } else if (color != clDefault) {
    hasColors_ = true;
    colors_.assign(static_cast<size_t>(Count() - 1), clDefault);
    colors_.insert(at(colors_), color);
  }

  if (!label.empty() || !labels_.empty()) {
    if (labels_.size() < static_cast<size_t>(index)) {
      labels_.resize(static_cast<size_t>(index));
    }
    labels_.insert(at(labels_), label);
    ++labelsVersion_;
  }
  Repaint();
  if (chart_ != nullptr) {
    chart_->SeriesPointsChanged();
  }
  return index;
}

std::string TChartSeries::PointLabel(int32_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= labels_.size()) {
    return {};
  }
  return labels_[static_cast<size_t>(index)];
}

TColor TChartSeries::PointColor(int32_t index) const {
  TColor stored = clDefault;
  if (hasColors_ && index >= 0 && static_cast<size_t>(index) < colors_.size()) {
    stored = colors_[static_cast<size_t>(index)];
  }
  if (stored != clDefault) {
    return stored;
  }
  if (!colorEachPoint_) {
    return seriesColor_;
  }
  return PaletteColor(index);
}

std::string TChartSeries::ValueText(double value) const {
  TNumberSeparators separators;
  if (chart_ != nullptr) {
    separators = chart_->NumberSeparators();
  }
  return FormatValue(value, separators);
}

std::string TChartSeries::MarkText(int32_t index, TSeriesMarksStyle style) const {
  std::string value = ValueText(YValue(index));
  std::string label = PointLabel(index);
  if (label.empty()) {
    label = value;
  }
  std::string separator = marks_.MultiLine() ? "\r" : " ";
  std::string text;
  switch (style) {
    case smsValue:
      text = value;
      break;
    case smsLabelValue:
      text = label + separator + value;
      break;
    case smsPointIndex:
      text = std::to_string(index);
      break;
    case smsXValue:
      text = ValueText(XValue(index));
      break;
    default:  // the label styles; the others are not used by this program
      text = label;
      break;
  }
  if (OnGetMarkText) {
    OnGetMarkText(const_cast<TChartSeries&>(*this), index, text);
  }
  return text;
}

void TChartSeries::CalcVisibleRange() {
  int32_t count = Count();
  if (count == 0) {
    firstVisible_ = lastVisible_ = -1;
    return;
  }
  if (xValues_.Order() == loNone || horiz_ == nullptr || chart_ == nullptr) {
    firstVisible_ = 0;
    lastVisible_ = count - 1;
    return;
  }
  const TRect& plot = chart_->PlotRect();
  double lo = horiz_->PixelToValue(plot.Left);
  double hi = horiz_->PixelToValue(plot.Right);
  if (lo > hi) {
    std::swap(lo, hi);
  }
  // X is ascending: the first index whose X >= lo.
  int32_t first = 0;
  while (first < count && XValue(first) < lo) {
    ++first;
  }
  if (first == count) {
    firstVisible_ = lastVisible_ = -1;
    return;
  }
  int32_t last;
  if (XValue(count - 1) <= hi) {
    last = count - 1;
  } else {
    last = first;
    while (last < count && XValue(last) < hi) {
      ++last;
    }
    if (last == count) {
      last = count - 1;
    }
    if (XValue(last) > hi) {
      --last;
    }
  }
  firstVisible_ = first;
  lastVisible_ = last;
}
