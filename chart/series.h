#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "chart/property.h"
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

// The mark texts of a series; they are never drawn here, the hover tip borrows
// their text.
class TSeriesMarks {
 public:
  explicit TSeriesMarks(TChartSeries& owner) : owner_(owner) {}
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { SetProperty(owner_, visible_, v); }
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool v) { SetProperty(owner_, multiLine_, v); }
  TSeriesMarksStyle Style() const { return style_; }
  void SetStyle(TSeriesMarksStyle style) { SetProperty(owner_, style_, style); }

 private:
  TChartSeries& owner_;
  bool visible_ = true;
  bool multiLine_ = false;
  TSeriesMarksStyle style_ = smsLabel;
};

// A series of points: X and Y values, optional labels and colours. Changes ask
// the chart for a repaint while the series is active.
class TChartSeries {
 public:
  TChartSeries() = default;
  virtual ~TChartSeries() = default;
  TChartSeries(const TChartSeries&) = delete;
  TChartSeries& operator=(const TChartSeries&) = delete;

  const TChartValueList& XValues() const { return xValues_; }
  const TChartValueList& YValues() const { return yValues_; }
  void SetYValuesName(std::string name) { yValues_.SetName(std::move(name)); }

  bool Active() const { return active_; }
  void SetActive(bool v);
  bool ColorEachPoint() const { return colorEachPoint_; }
  void SetColorEachPoint(bool v) { SetProperty(*this, colorEachPoint_, v); }
  gfx::TColor SeriesColor() const { return seriesColor_; }
  void SetSeriesColor(gfx::TColor v) { SetProperty(*this, seriesColor_, v); }
  // Add puts the automatic index into X (true for every vertical series).
  bool YMandatory() const { return true; }
  TSeriesMarks& Marks() { return marks_; }
  const TSeriesMarks& Marks() const { return marks_; }
  std::function<void(TChartSeries&, int32_t index, std::string& text)> OnGetMarkText;

  // Points drawn in the last paint; both -1 when empty or cleared.
  int32_t FirstVisibleIndex() const { return firstVisible_; }
  int32_t LastVisibleIndex() const { return lastVisible_; }

  TChart* ParentChart() const { return chart_; }
  // The axes the series belongs to (set by the chart).
  TChartAxis* HorizAxis() const { return horiz_; }
  TChartAxis* VertAxis() const { return vert_; }

  void Clear();
  int32_t Add(double value, const std::string& label = {}, gfx::TColor color = gfx::clDefault);
  int32_t AddPoint(double x, double y, const std::string& label = {},
                   gfx::TColor color = gfx::clDefault);

  int32_t Count() const { return xValues_.Count(); }
  double XValue(int32_t index) const { return xValues_.ValueAt(index); }
  double YValue(int32_t index) const { return yValues_.ValueAt(index); }
  std::string PointLabel(int32_t index) const;
  gfx::TColor PointColor(int32_t index) const;
  // The labels list as stored (may be shorter than Count; "" is a missing entry).
  const std::vector<std::string>& Labels() const { return labels_; }
  bool HasColorList() const { return hasColors_; }
  // Changes whenever a label may have moved or changed.
  uint64_t LabelsVersion() const { return labelsVersion_; }

  double LowestX() const { return xValues_.Lowest(); }
  double HighestX() const { return xValues_.Highest(); }
  virtual double LowestY() const { return yValues_.Lowest(); }
  virtual double HighestY() const { return yValues_.Highest(); }

  // Whether the X values run along a horizontal axis.
  bool XAlongHorizontal() const { return YMandatory(); }
  virtual bool UsesAxes() const { return true; }

  // The text of a point in the current Marks style, or in another one.
  std::string MarkText(int32_t index) const { return MarkText(index, marks_.Style()); }
  std::string MarkText(int32_t index, TSeriesMarksStyle style) const;
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
  TChartValueList xValues_{"X", loAscending};
  TChartValueList yValues_{"Y", loNone};
  bool active_ = true;
  bool colorEachPoint_ = false;
  gfx::TColor seriesColor_ = gfx::clDefault;
  TSeriesMarks marks_{*this};
  int32_t firstVisible_ = -1;
  int32_t lastVisible_ = -1;
  TChart* chart_ = nullptr;
  TChartAxis* horiz_ = nullptr;
  TChartAxis* vert_ = nullptr;
  std::vector<std::string> labels_;
  uint64_t labelsVersion_ = 0;
  bool hasColors_ = false;
  std::vector<gfx::TColor> colors_;
};
