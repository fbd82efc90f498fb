#pragma once

#include <cstdint>

#include "ui/input.h"

class TChart;

enum TChartMouseEvent { cmeDown, cmeMove, cmeUp, cmeWheel };

// A tool attached to a chart; the chart forwards its mouse events to it.
class TChartTool {
 public:
  virtual ~TChartTool() = default;
  bool Active() const { return active_; }
  virtual void SetActive(bool on) { active_ = on; }
  TChart* ParentChart() const { return chart_; }

  virtual void ChartPaintStart() {}
  virtual void ChartMouseEvent(TChartMouseEvent, TMouseButton, TShiftState, int32_t, int32_t) {}

 private:
  friend class TChart;
  TChart* chart_ = nullptr;
  bool active_ = true;
};
