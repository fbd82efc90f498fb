#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/canvas.h"
#include "gfx/font.h"
#include "gfx/geometry.h"
#include "gfx/text.h"

class TChart;
class TChartSeries;

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
enum TAxisLabelAlign { alDefault, alOpposite };

struct TAxisPen {
  gfx::TColor Color = gfx::clBlack;
  int Width = 1;
  bool Visible = true;
};

struct TChartAxisTitle {
  std::string Caption;
  int Angle = 0;
  bool Visible = true;
  gfx::TFont Font;
  int32_t TitleSize = 0;
};

// One label drawn in the last paint.
struct TAxisLabel {
  int32_t Pixel;
  std::string Text;
  double Value;
};

// The default chart font: Arial 8 pt, black.
gfx::TFont ChartFont();

// One axis of the chart: range, pixel mapping, label step, line, ticks, title.
class TChartAxis {
 public:
  TChartAxis(TChart& chart, bool horizontal, bool otherSide, bool depth = false);

  TChart& ParentChart() const { return chart_; }
  const bool Horizontal;
  const bool OtherSide;
  const bool IsDepthAxis;

  // Properties.
  bool Visible = true;
  bool Automatic = true;
  bool AutomaticMinimum = true;
  bool AutomaticMaximum = true;
  double Minimum = 0;
  double Maximum = 0;
  double Increment = 0;
  bool MaximumRound = false;
  bool MinimumRound = false;
  int32_t LabelsSeparation = 10;
  TAxisLabelStyle LabelStyle = talAuto;
  bool LabelsVisible = true;
  int32_t LabelsAngle = 0;
  TAxisLabelAlign LabelsAlign = alDefault;
  bool LabelsOnAxis = true;
  int32_t LabelsSize = 0;
  bool RoundFirstLabel = true;
  bool TickOnLabelsOnly = true;
  TAxisPen Axis{gfx::clBlack, 2, true};
  TAxisPen Ticks{gfx::clGray, 1, true};
  int32_t TickLength = 4;
  TAxisPen MinorTicks{gfx::clGray, 1, true};
  int32_t MinorTickLength = 2;
  int32_t MinorTickCount = 3;
  TAxisPen TicksInner{gfx::clGray, 1, true};
  int32_t TickInnerLength = 0;
  bool GridVisible = false;
  TChartAxisTitle Title;
  gfx::TFont LabelsFont;
  int32_t StartPosition = 0;
  int32_t EndPosition = 100;
  int32_t PositionPercent = 0;
  bool Inverted = false;

  // Working state, recomputed on every paint.
  double CurrentMin = 0;
  double CurrentMax = 0;
  double CurrentRange = 0;
  bool RangeIsZero = true;
  int32_t FirstPixel = 0;
  int32_t LastPixel = 0;
  int32_t PixelSize = 0;
  int32_t CenterPixel = 0;
  double PixelsPerUnit = 0;
  int32_t AxisPixel = 0;
  int32_t LabelsPixel = 0;
  int32_t TitlePixel = 0;
  double LabelStep = 0;
  std::vector<int32_t> TickPixels;
  std::vector<TAxisLabel> DrawnLabels;
  bool Shown = false;

  // Scale.
  void AdjustRange();
  void PlaceAxis();
  void ApplyMargins(int32_t low, int32_t high);
  int32_t ValueToPixel(double value) const;
  double PixelToValue(int32_t pixel) const;
  static double NextNiceStep(double x);
  double StepForCount(int32_t count) const;
  double ComputeStep(gfx::TCanvas& canvas);

  // Layout and labels.
  void ReserveSpace(gfx::TCanvas& canvas, gfx::TRect& rect);
  TAxisLabelStyle ResolveLabelStyle() const;
  std::string LabelValue(double value) const;
  int32_t LabelSize(gfx::TCanvas& canvas, double value);
  int32_t MaxValueLabelWidth(gfx::TCanvas& canvas);
  int32_t FontHeight(gfx::TCanvas& canvas, const gfx::TFont& font) const;

  // Drawing.
  void DrawAxis(gfx::TCanvas& canvas);
  void DrawValueLabels(gfx::TCanvas& canvas);
  void DrawTextLabels(gfx::TCanvas& canvas);
  void DrawLabel(gfx::TCanvas& canvas, int32_t pixel, const std::string& text, double value);
  void DrawAxisText(gfx::TCanvas& canvas, int32_t x, int32_t y, const std::string& text,
                    int32_t angle, const gfx::TFont& font);

 private:
  void RecalcRange();
  double ComputeStepOnce(gfx::TCanvas& canvas);
  void DrawLineAndTicks(gfx::TCanvas& canvas);
  void DrawTick(gfx::TCanvas& canvas, int32_t pixel, int32_t length);
  int32_t TextLabelWidth(gfx::TCanvas& canvas, const TChartSeries& series, int32_t index);
  TChart& chart_;

  // Widths of the point labels of one series in the labels font, measured
  // once per label and kept while labels, font and text engine stay the same.
  struct TWidthCache {
    const TChartSeries* Series = nullptr;
    uint64_t Version = 0;
    gfx::TFont Font;
    const gfx::TTextEngine* Engine = nullptr;
    std::vector<int32_t> Widths;
  } widthCache_;
};
