#pragma once

#include <functional>
#include <string>

#include "chart/chart_tool.h"
#include "chart/series.h"

enum TMarkToolMouseAction { mtmMove, mtmClick };

// Puts the label and value of the bar under the pointer into the chart's hint.
class TMarksTipTool : public TChartTool {
 public:
  TSeriesMarksStyle Style = smsLabel;
  TChartSeries* Series = nullptr;  // none: every series of the chart
  std::function<void(TMarksTipTool&, std::string&)> OnGetText;
  std::function<void(TMarksTipTool&)> OnCancelHint;

  TMarkToolMouseAction MouseAction() const { return action_; }
  void SetMouseAction(TMarkToolMouseAction action);
  void SetActive(bool on) override;

  // Views of the application's hint pause and hide pause (500 and 2500 ms
  // when there is no hint facility).
  int MouseDelay() const;
  void SetMouseDelay(int ms);
  int HideDelay() const;
  void SetHideDelay(int ms);

  void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int32_t x,
                       int32_t y) override;
  void CancelHint();

 private:
  TChart* TargetChart() const;
  TMarkToolMouseAction action_ = mtmMove;
};
