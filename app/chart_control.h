#pragma once

#include <memory>

#include "chart/chart.h"
#include "chart/hint_host.h"
#include "ui/control.h"

// Places the window-independent chart in the control tree: paints its kept
// image, forwards the mouse and hands its hint to the application's hints.
class TChartControl : public TControl, private THintHost {
 public:
  TChartControl();
  ~TChartControl() override;

  TChart& Chart() { return *chart_; }

  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool MouseWheel(TShiftState shift, int wheelDelta, TPoint pos) override;

 protected:
  void Resize() override;

 private:
  void SyncHint();
  void CancelHint() override;
  int HintPause() const override;
  void SetHintPause(int ms) override;
  int HintHidePause() const override;
  void SetHintHidePause(int ms) override;

  std::unique_ptr<TChart> chart_;
};
