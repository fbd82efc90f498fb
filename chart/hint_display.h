#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "chart/hint_host.h"

// The standard hint behaviour, free of any window system: a control's hint
// appears once the hint pause has run with the pointer over it, and goes
// after the hide pause, on a cancel, or when the pointer leaves. The platform
// calls the pointer and Tick methods; Now supplies milliseconds.
class THintDisplay : public THintHost {
 public:
  explicit THintDisplay(std::function<int64_t()> now) : now_(std::move(now)) {}

  void CancelHint() override;
  int HintPause() const override { return pause_; }
  void SetHintPause(int ms) override { pause_ = ms; }
  int HintHidePause() const override { return hidePause_; }
  void SetHintHidePause(int ms) override { hidePause_ = ms; }

  // The pointer is over `control` at (x, y) in its pixels.
  void PointerMoved(const THintSource* control, int x, int y);
  void PointerLeft();
  // Shows or hides by the pauses; call from a timer or before reading.
  void Tick();

  bool Visible() const { return state_ == kShown; }
  const std::string& Text() const { return text_; }
  int X() const { return x_; }
  int Y() const { return y_; }
  int CancelCount() const { return cancels_; }

 private:
  enum TState { kIdle, kWaiting, kShown, kExpired };
  std::function<int64_t()> now_;
  int pause_ = 500;
  int hidePause_ = 2500;
  const THintSource* control_ = nullptr;
  TState state_ = kIdle;
  int64_t since_ = 0;
  std::string text_;
  int x_ = 0, y_ = 0;
  int cancels_ = 0;
};
