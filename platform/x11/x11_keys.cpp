#include "platform/x11/x11_window.h"

#include <X11/X.h>
#include <X11/keysym.h>

namespace x11 {

TShiftState ShiftFromX(unsigned state) {
  TShiftState s = 0;
  if (state & ShiftMask) {
    s |= ssShift;
  }
  if (state & ControlMask) {
    s |= ssCtrl;
  }
  if (state & Mod1Mask) {
    s |= ssAlt;
  }
  if (state & Button1Mask) {
    s |= ssLeft;
  }
  if (state & Button2Mask) {
    s |= ssMiddle;
  }
  if (state & Button3Mask) {
    s |= ssRight;
  }
  return s;
}

TKey KeyFromKeysym(unsigned long k) {
  if (k >= XK_a && k <= XK_z) {
    return static_cast<TKey>('A' + (k - XK_a));
  }
  if (k >= XK_A && k <= XK_Z) {
    return static_cast<TKey>('A' + (k - XK_A));
  }
  if (k >= XK_0 && k <= XK_9) {
    return static_cast<TKey>('0' + (k - XK_0));
  }
  if (k >= XK_F1 && k <= XK_F12) {
    return static_cast<TKey>(0x70 + (k - XK_F1));
  }
  switch (k) {
    case XK_BackSpace:
      return Key_Backspace;
    case XK_Tab:
    case XK_ISO_Left_Tab:
      return Key_Tab;
    case XK_Return:
    case XK_KP_Enter:
      return Key_Return;
    case XK_Escape:
      return Key_Escape;
    case XK_space:
      return Key_Space;
    case XK_Prior:
      return Key_PageUp;
    case XK_Next:
      return Key_PageDown;
    case XK_End:
      return Key_End;
    case XK_Home:
      return Key_Home;
    case XK_Left:
      return Key_Left;
    case XK_Up:
      return Key_Up;
    case XK_Right:
      return Key_Right;
    case XK_Down:
      return Key_Down;
    case XK_Insert:
      return Key_Insert;
    case XK_Delete:
      return Key_Delete;
    case XK_Menu:
      return Key_Apps;
    case XK_Shift_L:
    case XK_Shift_R:
      return Key_Shift;
    case XK_Control_L:
    case XK_Control_R:
      return Key_Control;
    case XK_Alt_L:
    case XK_Alt_R:
      return Key_Alt;
    default:
      return 0;
  }
}

}  // namespace x11
