#include "ui/hints.h"

#include <algorithm>

#include "ui/control.h"

THintManager::~THintManager() {
  StopTimers();
}

void THintManager::SetPause(int ms) {
  // A negative pause would wrap to weeks in the timer queue.
  pause_ = std::max(ms, 0);
}

void THintManager::SetHidePause(int ms) {
  hidePause_ = std::max(ms, 0);
}

void THintManager::MouseOver(TControl* control, TPoint screenPos) {
  pos_ = screenPos;
  if (control == control_) {
    return;
  }
  Hide();
  StopTimers();
  control_ = control;
  doneForControl_ = false;
  if (!control_) {
    return;
  }
  pauseTimer_ = AppTimers().Add(static_cast<uint32_t>(pause_), [this] { PauseElapsed(); });
}

void THintManager::CancelHint() {
  Hide();
  StopTimers();
  control_ = nullptr;
  doneForControl_ = false;
}

void THintManager::ActivateHint(TPoint screenPos) {
  pos_ = screenPos;
  if (!control_) {
    return;
  }
  Hide();
  StopTimers();
  doneForControl_ = false;
  PauseElapsed();
}

void THintManager::ControlDestroyed(TControl* control) {
  if (control == control_) {
    CancelHint();
  }
}

void THintManager::StopTimers() {
  if (pauseTimer_) {
    AppTimers().Remove(pauseTimer_);
  }
  if (hideTimer_) {
    AppTimers().Remove(hideTimer_);
  }
  pauseTimer_ = hideTimer_ = 0;
}

void THintManager::PauseElapsed() {
  StopTimers();
  if (doneForControl_ || !control_) {
    return;
  }
  doneForControl_ = true;
  if (!control_->ShowHint || control_->Hint.empty() || !control_->Showing()) {
    return;
  }
  shownText_ = control_->Hint;
  visible_ = true;
  if (OnShow) {
    OnShow(shownText_, {pos_.X, pos_.Y + kPointerOffset});
  }
  hideTimer_ = AppTimers().Add(static_cast<uint32_t>(hidePause_), [this] {
    StopTimers();
    Hide();
  });
}

void THintManager::Hide() {
  if (!visible_) {
    return;
  }
  visible_ = false;
  shownText_.clear();
  if (OnHide) {
    OnHide();
  }
}
