#include "app/chart_control.h"

#include "ui/hints.h"

TChartControl::TChartControl() : chart_(std::make_unique<TChart>()) {
  chart_->HintHost = this;
  chart_->OnInvalidate = [this] { Invalidate(); };
}

TChartControl::~TChartControl() {
  AppHints().ControlDestroyed(this);
}

void TChartControl::Resize() {
  chart_->SetSize(Width(), Height());
}

void TChartControl::Paint(TCanvas& canvas) {
  if (chart_->Width() != Width() || chart_->Height() != Height())
    chart_->SetSize(Width(), Height());
  chart_->Paint(canvas);
}

void TChartControl::SyncHint() {
  Hint = chart_->HintText();
  ShowHint = chart_->HintEnabled();
}

void TChartControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  chart_->MouseDown(button, shift, x, y);
  SyncHint();
}

void TChartControl::MouseMove(TShiftState shift, int x, int y) {
  chart_->MouseMove(shift, x, y);
  SyncHint();
}

void TChartControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  chart_->MouseUp(button, shift, x, y);
  SyncHint();
}

bool TChartControl::MouseWheel(TShiftState, int wheelDelta, TPoint) {
  // One call per notch; a negative delta turns the wheel towards the user.
  for (int notches = wheelDelta / 120; notches != 0; notches += notches > 0 ? -1 : 1)
    chart_->MouseWheel(notches < 0);
  return true;
}

void TChartControl::CancelHint() {
  AppHints().CancelHint();
}
int TChartControl::HintPause() const {
  return AppHints().HintPause;
}
void TChartControl::SetHintPause(int ms) {
  AppHints().HintPause = ms;
}
int TChartControl::HintHidePause() const {
  return AppHints().HintHidePause;
}
void TChartControl::SetHintHidePause(int ms) {
  AppHints().HintHidePause = ms;
}
