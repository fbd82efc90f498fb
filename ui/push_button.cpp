#include "ui/push_button.h"

#include "ui/label.h"
#include "ui/styled.h"

namespace {
constexpr TShiftState kModifiers = ssShift | ssCtrl | ssAlt;
}

template <class Base>
void TPushButton<Base>::SetLook(bool hot, bool down) {
  if (hot == hot_ && down == down_) {
    return;
  }
  const bool wasDown = Down();
  hot_ = hot;
  down_ = down;
  this->Invalidate();
  if (Down() != wasDown) {
    this->NotifyAccessible(TAccEvent::StateChange);
  }
}

template <class Base>
void TPushButton<Base>::SetSpaceDown(bool down) {
  if (down == spaceDown_) {
    return;
  }
  const bool wasDown = Down();
  spaceDown_ = down;
  this->Invalidate();
  if (Down() != wasDown) {
    this->NotifyAccessible(TAccEvent::StateChange);
  }
}

template <class Base>
void TPushButton<Base>::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  Base::MouseDown(button, shift, x, y);
  if (button != mbLeft || !this->IsEnabled()) {
    return;
  }
  pressed_ = true;
  this->SetMouseCapture(true);
  SetLook(hot_, true);
}

template <class Base>
void TPushButton<Base>::MouseMove(TShiftState shift, int x, int y) {
  Base::MouseMove(shift, x, y);
  if (pressed_) {
    // The button holds the mouse, so the window does not track hovering: the
    // pointer going out shows it up, coming back shows it down again.
    const bool inside = this->ClientRect().Contains(x, y);
    SetLook(inside, inside);
  }
}

template <class Base>
void TPushButton<Base>::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  Base::MouseUp(button, shift, x, y);
  if (button != mbLeft || !pressed_) {
    return;
  }
  pressed_ = false;
  this->SetMouseCapture(false);
  const bool inside = this->ClientRect().Contains(x, y);
  SetLook(inside, false);
  if (inside) {
    this->Click();
  }
}

template <class Base>
void TPushButton<Base>::MouseEnter() {
  Base::MouseEnter();
  SetLook(true, down_);
}

template <class Base>
void TPushButton<Base>::MouseLeave() {
  Base::MouseLeave();
  SetLook(false, down_);
}

template <class Base>
bool TPushButton<Base>::KeyDown(TKey key, TShiftState shift) {
  if ((shift & kModifiers) != 0 || (key != Key_Return && key != Key_Space)) {
    return Base::KeyDown(key, shift);
  }
  if (key == Key_Return) {
    this->Click();
  } else if (!spaceDown_) {
    SetSpaceDown(true);
  }
  return true;
}

template <class Base>
bool TPushButton<Base>::KeyUp(TKey key, TShiftState shift) {
  if (key != Key_Space || !spaceDown_) {
    return Base::KeyUp(key, shift);
  }
  SetSpaceDown(false);
  this->Click();
  return true;
}

template <class Base>
void TPushButton<Base>::DoExit() {
  // A Space held while the focus leaves does not click.
  SetSpaceDown(false);
  Base::DoExit();
}

template <class Base>
void TPushButton<Base>::EnabledChanged() {
  if (!this->IsEnabled()) {
    if (pressed_) {
      this->SetMouseCapture(false);
    }
    pressed_ = false;
    SetSpaceDown(false);
    SetLook(false, false);
  }
  Base::EnabledChanged();
}

// The kinds of push button there are: the button, the tool button, the link label.
template class TPushButton<TStyledWinControl>;
template class TPushButton<TStyledControl>;
template class TPushButton<TLabel>;
