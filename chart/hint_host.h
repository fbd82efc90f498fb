#pragma once

#include <string>

// What the hover tip needs of the application's hint facility. The chart's
// own Hint and ShowHint are read by that facility's standard display.
class THintHost {
 public:
  virtual ~THintHost() = default;
  // Removes a visible hint at once; the hint pause starts again.
  virtual void CancelHint() = 0;
  // Milliseconds before a hint is shown, and for how long it stays.
  virtual int HintPause() const = 0;
  virtual void SetHintPause(int ms) = 0;
  virtual int HintHidePause() const = 0;
  virtual void SetHintHidePause(int ms) = 0;
};

// A control whose hint the facility can show.
class THintSource {
 public:
  virtual ~THintSource() = default;
  virtual bool HintEnabled() const = 0;  // ShowHint
  virtual const std::string& HintText() const = 0;
};
