// What every push button does with the mouse and the keyboard, whatever it
// looks like: hot while the pointer is over it, pressed while the left button
// that went down on it is held over it (it keeps the mouse until release), a
// click on release inside only; with the keyboard focus, Enter clicks at once
// and Space shows it pressed while held and clicks on release.
#pragma once

#include "ui/control.h"

template <class Base>
class TPushButton : public Base {
 public:
  // The pointer is over the button (and no other control holds the mouse).
  bool Hot() const { return hot_; }
  // Shown pressed: by the mouse held on it, or by Space.
  bool Down() const { return down_ || spaceDown_; }

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool KeyDown(TKey key, TShiftState shift) override;
  bool KeyUp(TKey key, TShiftState shift) override;
  void DoExit() override;

 protected:
  void EnabledChanged() override;

 private:
  void SetLook(bool hot, bool down);
  void SetSpaceDown(bool down);

  bool hot_ = false;
  bool down_ = false;     // shown pressed by the mouse
  bool pressed_ = false;  // the left button held since a press on the button
  bool spaceDown_ = false;
};
