#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "chart/value_list.h"
#include "gfx/canvas.h"
#include "gfx/color.h"

class TChart;
class TChartAxis;

enum TSeriesMarksStyle {
  smsValue,
  smsPercent,
  smsLabel,
  smsLabelPercent,
  smsLabelValue,
  smsLegend,
  smsPercentTotal,
  smsLabelPercentTotal,
  smsXValue,
  smsXY,
  smsSeriesTitle,
  smsPointIndex,
  smsPercentRelative
};

class TChartSeries;

// The mark texts of a series; only the style is read here (marks stay hidden).
class TSeriesMarks {
 public:
  explicit TSeriesMarks(TChartSeries& owner) : owner_(owner) {}
  bool Visible = true;
  bool MultiLine = false;
  TSeriesMarksStyle Style() const { return style_; }
  void SetStyle(TSeriesMarksStyle style);  // requests a repaint

 private:
  TChartSeries& owner_;
  TSeriesMarksStyle style_ = smsLabel;
};

// A series of points: X and Y values, optional labels and colours.
class TChartSeries {
 public:
  TChartSeries();
  virtual ~TChartSeries() = default;
  TChartSeries(const TChartSeries&) = delete;
  TChartSeries& operator=(const TChartSeries&) = delete;

  TChartValueList XValues{"X", loAscending};
  TChartValueList YValues{"Y", loNone};
  // All value lists in creation order: X first, then Y.
  std::vector<TChartValueList*> ValueLists() { return {&XValues, &YValues}; }

  bool Active = true;
  bool ColorEachPoint = false;
  gfx::TColor SeriesColor = gfx::clDefault;
  std::string ValueFormat = "#,##0.###";
  std::string PercentFormat = "##0.## %";
  bool YMandatory = true;
  TSeriesMarks Marks{*this};
  std::function<void(TChartSeries&, int32_t index, std::string& text)> OnGetMarkText;

  // Points drawn in the last paint; both -1 when empty or cleared.
  int32_t FirstVisibleIndex = -1;
  int32_t LastVisibleIndex = -1;

  TChart* ParentChart() const { return chart_; }
  // The axes the series belongs to (set by the chart).
  TChartAxis* HorizAxis() const { return horiz_; }
  TChartAxis* VertAxis() const { return vert_; }

  void Clear();
  int32_t Add(double value, const std::string& label = {}, gfx::TColor color = gfx::clDefault);
  int32_t AddPoint(double x, double y, const std::string& label = {},
                   gfx::TColor color = gfx::clDefault);

  int32_t Count() const { return XValues.Count(); }
  double XValue(int32_t index) const { return XValues.ValueAt(index); }
  double YValue(int32_t index) const { return YValues.ValueAt(index); }
  std::string PointLabel(int32_t index) const;
  gfx::TColor PointColor(int32_t index) const;
  // The labels list as stored (may be shorter than Count; "" is a missing entry).
  const std::vector<std::string>& Labels() const { return labels_; }
  bool HasColorList() const { return hasColors_; }
  // Changes whenever a label may have moved or changed.
  uint64_t LabelsVersion() const { return labelsVersion_; }

  double LowestX() const { return XValues.Lowest(); }
  double HighestX() const { return XValues.Highest(); }
  virtual double LowestY() const { return YValues.Lowest(); }
  virtual double HighestY() const { return YValues.Highest(); }

  // Whether the X values run along a horizontal axis.
  bool XAlongHorizontal() const { return YMandatory; }
  virtual bool UsesAxes() const { return true; }

  // The text of a point in the current Marks style.
  std::string MarkText(int32_t index) const;
  std::string ValueText(double value) const;

  // Paint steps, called by the chart in this order.
  virtual void PrepareForPaint() {}
  virtual void CalcHorizMargins(int32_t& left, int32_t& right) {
    left = 0;
    right = 0;
  }
  virtual void CalcVerticalMargins(int32_t& top, int32_t& bottom) {
    top = 0;
    bottom = 0;
  }
  virtual void CalcVisibleRange();
  virtual void DrawAllPoints(gfx::TCanvas&) {}
  // A series that clips its own drawing to the chart's clip rectangle, so the
  // chart need not push a clip region for it.
  virtual bool ClipsItself() const { return false; }
  virtual void SetClipRect(const gfx::TRect&) {}
  virtual int32_t PointAt(int32_t, int32_t) const { return -1; }

  void Repaint();

 private:
  friend class TChart;
  TChart* chart_ = nullptr;
  TChartAxis* horiz_ = nullptr;
  TChartAxis* vert_ = nullptr;
  std::vector<std::string> labels_;
  uint64_t labelsVersion_ = 0;
  bool hasColors_ = false;
  std::vector<gfx::TColor> colors_;
};
