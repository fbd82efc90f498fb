#include "chart/hint_display.h"

void THintDisplay::CancelHint() {
  ++cancels_;
  text_.clear();
  if (control_ != nullptr) {
    state_ = kWaiting;  // the pause starts again
    since_ = now_();
  } else {
    state_ = kIdle;
  }
}

void THintDisplay::PointerMoved(const THintSource* control, int x, int y) {
  if (control != control_) {
    control_ = control;
    text_.clear();
    state_ = control != nullptr ? kWaiting : kIdle;
    since_ = now_();
  }
  x_ = x;
  y_ = y;
  Tick();
}

void THintDisplay::PointerLeft() {
  control_ = nullptr;
  state_ = kIdle;
  text_.clear();
}

void THintDisplay::Tick() {
  int64_t now = now_();
  if (state_ == kWaiting && now - since_ >= pause_ && control_ != nullptr &&
      control_->HintEnabled() && !control_->HintText().empty()) {
    state_ = kShown;
    since_ = now;
    text_ = control_->HintText();
  } else if (state_ == kShown && now - since_ >= hidePause_) {
    state_ = kExpired;
    text_.clear();
  }
}
