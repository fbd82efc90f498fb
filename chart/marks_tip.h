#pragma once

#include <functional>
#include <string>

#include "chart/chart_tool.h"
#include "chart/series.h"

enum TMarkToolMouseAction { mtmMove, mtmClick };

// Puts the label and value of the bar under the pointer into the chart's hint;
// the application's hint facility shows it.
class TMarksTipTool : public TChartTool {
 public:
  TSeriesMarksStyle Style() const { return style_; }
  void SetStyle(TSeriesMarksStyle v) { style_ = v; }
  // Only this series; none: every series of the chart.
  TChartSeries* Series() const { return series_; }
  void SetSeries(TChartSeries* v) { series_ = v; }
  std::function<void(TMarksTipTool&, std::string&)> OnGetText;
  std::function<void(TMarksTipTool&)> OnCancelHint;

  TMarkToolMouseAction MouseAction() const { return action_; }
  void SetMouseAction(TMarkToolMouseAction action);
  void SetActive(bool on) override;

  // Views of the application's hint pause and hint hide pause: they are
  // settings of every hint of the program. Without an application there are
  // no settings: the defaults are read and setting does nothing.
  int MouseDelay() const;
  void SetMouseDelay(int ms);
  int HideDelay() const;
  void SetHideDelay(int ms);

  void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int32_t x,
                       int32_t y) override;
  void CancelHint();
  // The tip of a point: the series' mark text in this tool's Style, as
  // OnGetText leaves it. Borrowing the style repaints nothing.
  std::string TipText(TChartSeries& series, int32_t index);

 private:
  TChart* TargetChart() const;
  TSeriesMarksStyle style_ = smsLabel;
  TChartSeries* series_ = nullptr;
  TMarkToolMouseAction action_ = mtmMove;
};
