#pragma once

#include <utility>

#include "ui/control.h"
#include "ui/hints.h"

// Places a window-system-free chart object on a window as a control. The chart type
// supplies SetSize, Paint(TCanvas&), MouseDown/MouseMove/MouseUp, MouseWheel(bool down),
// Hint, ShowHint, HintHost and OnInvalidate; THintHostT is the hint interface the chart
// talks to (CancelHint and the two pauses), served here by the application's hint
// facility. Kept as a template so the toolkit does not depend on the chart.
template <class TChartT, class THintHostT>
class TChartHost : public TWinControl {
 public:
  TChartHost() {
    Chart.OnInvalidate = [this] { Invalidate(); };
    Chart.HintHost = &hintHost_;
  }
  ~TChartHost() override { Chart.OnInvalidate = nullptr; }

  TChartT Chart;

  void SetBounds(int left, int top, int width, int height) override {
    TWinControl::SetBounds(left, top, width, height);
    Chart.SetSize(Width(), Height());
  }
  void Paint(TCanvas& canvas) override { Chart.Paint(canvas); }
  bool Opaque() const override { return true; }
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    TWinControl::MouseDown(button, shift, x, y);
    Chart.MouseDown(button, shift, x, y);
    SyncHint();
  }
  void MouseMove(TShiftState shift, int x, int y) override {
    TWinControl::MouseMove(shift, x, y);
    Chart.MouseMove(shift, x, y);
    SyncHint();
  }
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override {
    TWinControl::MouseUp(button, shift, x, y);
    Chart.MouseUp(button, shift, x, y);
    SyncHint();
  }
  bool MouseWheel(TShiftState, int wheelDelta, TPoint) override {
    // One call per notch; a negative delta is a notch towards the user (down).
    int notches = wheelDelta / WHEEL_DELTA;
    for (int i = 0; i < (notches < 0 ? -notches : notches); ++i) {
      Chart.MouseWheel(notches < 0);
    }
    SyncHint();
    return true;
  }

 private:
  // The chart's hint text is the control's: the hint facility reads the control.
  void SyncHint() {
    Hint = Chart.Hint;
    ShowHint = Chart.ShowHint;
  }

  class TAppHintHost : public THintHostT {
   public:
    void CancelHint() override { AppHints().CancelHint(); }
    int HintPause() const override { return AppHints().HintPause; }
    void SetHintPause(int ms) override { AppHints().HintPause = ms; }
    int HintHidePause() const override { return AppHints().HintHidePause; }
    void SetHintHidePause(int ms) override { AppHints().HintHidePause = ms; }
  };
  TAppHintHost hintHost_;
};
