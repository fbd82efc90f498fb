// The axis' properties: each change asks the chart for a repaint.
#include <stdexcept>
#include <utility>

#include "chart/axis.h"
#include "chart/chart.h"
#include "gfx/scale.h"

using namespace gfx;

TFont ChartFont() {
  TFont font;
  font.Name = "Arial";
  font.Height = PointsToPixels(8);
  font.Color = clBlack;
  font.Charset = kDefaultCharset;
  return font;
}

TChartAxis::TChartAxis(TChart& chart, bool horizontal, bool otherSide, bool depth)
    : TAxisScale(horizontal), chart_(chart), otherSide_(otherSide), depth_(depth) {
  title_.Font = ChartFont();
  labelsFont_ = ChartFont();
  if (!horizontal && !depth) {
    title_.Angle = otherSide ? 270 : 90;
  }
}

void TChartAxis::Repaint() {
  chart_.Repaint();
}

void TChartAxis::ChangeScale(int m, int d) {
  labelsFont_.Height = MulDiv(labelsFont_.Height, m, d);
  title_.Font.Height = MulDiv(title_.Font.Height, m, d);
  Repaint();
}

void TChartAxis::SetMinimum(double v) {
  if (v > maximum_) {
    throw std::invalid_argument("Axis Minimum Value must be <= Maximum");
  }
  minimum_ = v;
  Repaint();
}

void TChartAxis::SetMaximum(double v) {
  if (v < minimum_) {
    throw std::invalid_argument("Axis Maximum Value must be >= Minimum");
  }
  maximum_ = v;
  Repaint();
}

void TChartAxis::SetIncrement(double v) {
  if (v < 0) {
    throw std::invalid_argument("Axis increment must be >= 0");
  }
  increment_ = v;
  Repaint();
}

void TChartAxis::SetMinMax(double a, double b) {
  automatic_ = automaticMinimum_ = automaticMaximum_ = false;
  if (a > b) {
    std::swap(a, b);
  }
  minimum_ = a;
  maximum_ = b;
  if (maximum_ - minimum_ < 1e-10) {
    maximum_ = minimum_ + 1e-10;
  }
  Repaint();
}

void TChartAxis::Scroll(double offset) {
  automatic_ = automaticMaximum_ = automaticMinimum_ = false;
  maximum_ += offset;
  minimum_ += offset;
  Repaint();
}

TAxisScaleSettings TChartAxis::Settings() const {
  return {automatic_, automaticMinimum_, automaticMaximum_, minimum_, maximum_};
}

void TChartAxis::Restore(const TAxisScaleSettings& s) {
  automatic_ = s.Automatic;
  automaticMinimum_ = s.AutomaticMinimum;
  automaticMaximum_ = s.AutomaticMaximum;
  minimum_ = s.Minimum;
  maximum_ = s.Maximum;
  Repaint();
}
