#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "chart/axis_scale.h"
#include "chart/property.h"
#include "gfx/canvas.h"
#include "gfx/font.h"
#include "gfx/geometry.h"
#include "gfx/text.h"

class TChart;
class TChartSeries;

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

struct TChartPen {
  gfx::TColor Color = gfx::clBlack;
  int Width = 1;
  bool Visible = true;
  friend bool operator==(const TChartPen&, const TChartPen&) = default;
};

struct TChartAxisTitle {
  std::string Caption;
  int Angle = 0;
  bool Visible = true;
  gfx::TFont Font;
  int32_t TitleSize = 0;
  friend bool operator==(const TChartAxisTitle&, const TChartAxisTitle&) = default;
};

// One label drawn in the last paint.
struct TAxisLabel {
  int32_t Pixel;
  std::string Text;
  double Value;
};

// The settings a zoom or scroll changes, as saved for the undo.
struct TAxisScaleSettings {
  bool Automatic, AutomaticMinimum, AutomaticMaximum;
  double Minimum, Maximum;
};

// The default chart font: Arial 8 pt, black.
gfx::TFont ChartFont();

// One axis of the chart: range, pixel mapping, label step, line, ticks, title.
// Every property that changes the picture asks the chart for a repaint; the
// working state is recomputed by each paint and only read from outside.
class TChartAxis : private TAxisScale {
 public:
  TChartAxis(TChart& chart, bool horizontal, bool otherSide, bool depth = false);
  TChartAxis(const TChartAxis&) = delete;
  TChartAxis& operator=(const TChartAxis&) = delete;

  TChart& ParentChart() const { return chart_; }
  using TAxisScale::Horizontal;
  bool OtherSide() const { return otherSide_; }
  bool IsDepthAxis() const { return depth_; }

  // --- Properties.
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { SetProperty(*this, visible_, v); }
  bool Automatic() const { return automatic_; }
  void SetAutomatic(bool v) { SetProperty(*this, automatic_, v); }
  bool AutomaticMinimum() const { return automaticMinimum_; }
  void SetAutomaticMinimum(bool v) { SetProperty(*this, automaticMinimum_, v); }
  bool AutomaticMaximum() const { return automaticMaximum_; }
  void SetAutomaticMaximum(bool v) { SetProperty(*this, automaticMaximum_, v); }
  // While an end is automatic it holds the range the last paint took from
  // the series. Setting one above the other is refused (std::invalid_argument).
  double Minimum() const { return minimum_; }
  void SetMinimum(double v);
  double Maximum() const { return maximum_; }
  void SetMaximum(double v);
  // Fixed label step; 0 chooses one. Negative steps are refused.
  double Increment() const { return increment_; }
  void SetIncrement(double v);
  int32_t LabelsSeparation() const { return labelsSeparation_; }
  void SetLabelsSeparation(int32_t v) { SetProperty(*this, labelsSeparation_, v); }
  TAxisLabelStyle LabelStyle() const { return labelStyle_; }
  void SetLabelStyle(TAxisLabelStyle v) { SetProperty(*this, labelStyle_, v); }
  bool LabelsVisible() const { return labelsVisible_; }
  void SetLabelsVisible(bool v) { SetProperty(*this, labelsVisible_, v); }
  int32_t LabelsAngle() const { return labelsAngle_; }
  void SetLabelsAngle(int32_t v) { SetProperty(*this, labelsAngle_, v); }
  bool LabelsOnAxis() const { return labelsOnAxis_; }
  void SetLabelsOnAxis(bool v) { SetProperty(*this, labelsOnAxis_, v); }
  int32_t LabelsSize() const { return labelsSize_; }
  void SetLabelsSize(int32_t v) { SetProperty(*this, labelsSize_, v); }
  bool RoundFirstLabel() const { return roundFirstLabel_; }
  void SetRoundFirstLabel(bool v) { SetProperty(*this, roundFirstLabel_, v); }
  bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
  void SetTickOnLabelsOnly(bool v) { SetProperty(*this, tickOnLabelsOnly_, v); }
  const TChartPen& Axis() const { return axisPen_; }
  void SetAxis(const TChartPen& v) { SetProperty(*this, axisPen_, v); }
  const TChartPen& Ticks() const { return ticks_; }
  void SetTicks(const TChartPen& v) { SetProperty(*this, ticks_, v); }
  int32_t TickLength() const { return tickLength_; }
  void SetTickLength(int32_t v) { SetProperty(*this, tickLength_, v); }
  const TChartPen& MinorTicks() const { return minorTicks_; }
  void SetMinorTicks(const TChartPen& v) { SetProperty(*this, minorTicks_, v); }
  int32_t MinorTickLength() const { return minorTickLength_; }
  void SetMinorTickLength(int32_t v) { SetProperty(*this, minorTickLength_, v); }
  int32_t MinorTickCount() const { return minorTickCount_; }
  void SetMinorTickCount(int32_t v) { SetProperty(*this, minorTickCount_, v); }
  const TChartAxisTitle& Title() const { return title_; }
  void SetTitle(const TChartAxisTitle& v) { SetProperty(*this, title_, v); }
  const gfx::TFont& LabelsFont() const { return labelsFont_; }
  void SetLabelsFont(const gfx::TFont& v) { SetProperty(*this, labelsFont_, v); }
  int32_t StartPosition() const { return startPosition_; }
  void SetStartPosition(int32_t v) { SetProperty(*this, startPosition_, v); }
  int32_t EndPosition() const { return endPosition_; }
  void SetEndPosition(int32_t v) { SetProperty(*this, endPosition_, v); }

  // --- Working state of the last paint.
  using TAxisScale::CenterPixel;
  using TAxisScale::CurrentMax;
  using TAxisScale::CurrentMin;
  using TAxisScale::CurrentRange;
  using TAxisScale::FirstPixel;
  using TAxisScale::LastPixel;
  using TAxisScale::PixelSize;
  using TAxisScale::PixelsPerUnit;
  using TAxisScale::PixelToValue;
  using TAxisScale::RangeIsZero;
  using TAxisScale::ValueToPixel;
  int32_t AxisPixel() const { return axisPixel_; }
  int32_t LabelsPixel() const { return labelsPixel_; }
  int32_t TitlePixel() const { return titlePixel_; }
  double LabelStep() const { return labelStep_; }
  // Pixel of every label drawn, in drawing order.
  const std::vector<int32_t>& TickPixels() const { return tickPixels_; }
  const std::vector<TAxisLabel>& DrawnLabels() const { return drawnLabels_; }
  bool Shown() const { return shown_; }

  // --- Steps and label measurements, with the state of the last paint and
  // the chart's text engine.
  double StepForCount(int32_t count) const;
  double ComputeStep() const;
  TAxisLabelStyle ResolveLabelStyle() const;
  std::string LabelValue(double value) const;
  int32_t LabelSize(double value) const;
  int32_t MaxValueLabelWidth() const;
  // The pixel height of "W" in the font.
  int32_t FontHeight(const gfx::TFont& font) const;

  void ChangeScale(int m, int d);
  // Asks the chart for a repaint.
  void Repaint();

  // --- Zoom and scroll: the range is fixed from then on.
  // Shows [a, b] (either order; a range too small to divide is widened).
  void SetMinMax(double a, double b);
  // Moves the shown range by offset.
  void Scroll(double offset);
  TAxisScaleSettings Settings() const;
  void Restore(const TAxisScaleSettings& s);

  // --- Paint steps, in the order the chart calls them.
  // Whether the axis shows in this paint, and its range from the series.
  void AdjustRange(bool shown);
  void PlaceAxis();
  void ReserveSpace(gfx::TRect& rect);
  using TAxisScale::ApplyMargins;
  void DrawAxis(gfx::TCanvas& canvas);

 private:
  int32_t TextWidth(const gfx::TFont& font, std::string_view text) const;
  double StepWith(double increment) const;
  double StepForCount(int32_t count, double increment) const;
  void DrawValueLabels(gfx::TCanvas& canvas);
  void DrawTextLabels(gfx::TCanvas& canvas);
  void DrawLabel(gfx::TCanvas& canvas, int32_t pixel, const std::string& text, double value);
  void DrawAxisText(gfx::TCanvas& canvas, int32_t x, int32_t y, const std::string& text,
                    int32_t angle, const gfx::TFont& font);
  void DrawLineAndTicks(gfx::TCanvas& canvas);
  void DrawTick(gfx::TCanvas& canvas, int32_t pixel, int32_t length);
  int32_t TextLabelWidth(const TChartSeries& series, int32_t index);

  TChart& chart_;
  const bool otherSide_;
  const bool depth_;

  bool visible_ = true;
  bool automatic_ = true;
  bool automaticMinimum_ = true;
  bool automaticMaximum_ = true;
  double minimum_ = 0;
  double maximum_ = 0;
  double increment_ = 0;
  int32_t labelsSeparation_ = 10;
  TAxisLabelStyle labelStyle_ = talAuto;
  bool labelsVisible_ = true;
  int32_t labelsAngle_ = 0;
  bool labelsOnAxis_ = true;
  int32_t labelsSize_ = 0;
  bool roundFirstLabel_ = true;
  bool tickOnLabelsOnly_ = true;
  TChartPen axisPen_{gfx::clBlack, 2, true};
  TChartPen ticks_{gfx::clGray, 1, true};
  int32_t tickLength_ = 4;
  TChartPen minorTicks_{gfx::clGray, 1, true};
  int32_t minorTickLength_ = 2;
  int32_t minorTickCount_ = 3;
  TChartAxisTitle title_;
  gfx::TFont labelsFont_;
  int32_t startPosition_ = 0;
  int32_t endPosition_ = 100;

  int32_t axisPixel_ = 0;
  int32_t labelsPixel_ = 0;
  int32_t titlePixel_ = 0;
  double labelStep_ = 0;
  std::vector<int32_t> tickPixels_;
  std::vector<TAxisLabel> drawnLabels_;
  bool shown_ = false;

  // Widths of the point labels of one series in the labels font: per point
  // while the labels stay the same, and per text while font and text engine
  // do, so that a refill with the same dates measures nothing again.
  struct TWidthCache {
    const TChartSeries* Series = nullptr;
    uint64_t Version = 0;
    gfx::TFont Font;
    const gfx::TTextEngine* Engine = nullptr;
    std::vector<int32_t> Widths;
    std::unordered_map<std::string, int32_t> ByText;
  } widthCache_;
};
