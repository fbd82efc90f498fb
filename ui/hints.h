#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/geometry.h"
#include "ui/timer.h"

class TControl;

// The application's hint (tooltip) facility. A control with ShowHint on and a non-empty
// Hint gets its hint shown just below the pointer once the pointer has rested over it
// for HintPause milliseconds; the hint hides after HintHidePause, when cancelled, or
// when the pointer leaves the control. Cancelling also restarts the pause.
class THintManager {
 public:
  THintManager() = default;
  ~THintManager();
  THintManager(const THintManager&) = delete;
  THintManager& operator=(const THintManager&) = delete;

  static constexpr int kDefaultPause = 500;
  static constexpr int kDefaultHidePause = 2500;
  // Set through the application object, whose settings these are.
  int Pause() const { return pause_; }
  void SetPause(int ms);
  int HidePause() const { return hidePause_; }
  void SetHidePause(int ms);
  // Pixels between the pointer and the hint window's top edge.
  static constexpr int kPointerOffset = 20;

  // Where and what to show; wired to the platform's popup by the application.
  std::function<void(const std::string& text, TPoint screenPos)> OnShow;
  std::function<void()> OnHide;

  // The window's input routing reports, after each pointer move, the control under
  // the pointer (null when none) and the pointer position in screen pixels.
  void MouseOver(TControl* control, TPoint screenPos);
  // Hides a visible hint at once and forgets the control, so the pause starts again.
  void CancelHint();
  // Shows the hint of the control under the pointer now, without waiting.
  void ActivateHint(TPoint screenPos);
  // A control is going away: drop every reference to it.
  void ControlDestroyed(TControl* control);

  bool HintVisible() const { return visible_; }
  const std::string& HintText() const { return shownText_; }
  TControl* HintControl() const { return control_; }

 private:
  void StopTimers();
  void PauseElapsed();
  void Hide();
  int pause_ = kDefaultPause;
  int hidePause_ = kDefaultHidePause;
  TControl* control_ = nullptr;
  TPoint pos_;
  bool visible_ = false;
  bool doneForControl_ = false;
  std::string shownText_;
  TTimerQueue::TTimerId pauseTimer_ = 0;
  TTimerQueue::TTimerId hideTimer_ = 0;
};
