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
      return VK_BACK;
    case XK_Tab:
    case XK_ISO_Left_Tab:
      return VK_TAB;
    case XK_Return:
    case XK_KP_Enter:
      return VK_RETURN;
    case XK_Escape:
      return VK_ESCAPE;
    case XK_space:
      return VK_SPACE;
    case XK_Prior:
      return VK_PRIOR;
    case XK_Next:
      return VK_NEXT;
    case XK_End:
      return VK_END;
    case XK_Home:
      return VK_HOME;
    case XK_Left:
      return VK_LEFT;
    case XK_Up:
      return VK_UP;
    case XK_Right:
      return VK_RIGHT;
    case XK_Down:
      return VK_DOWN;
    case XK_Delete:
      return VK_DELETE;
    case XK_Shift_L:
    case XK_Shift_R:
      return VK_SHIFT;
    case XK_Control_L:
    case XK_Control_R:
      return VK_CONTROL;
    case XK_Alt_L:
    case XK_Alt_R:
      return VK_MENU;
    default:
      return 0;
  }
}

}  // namespace x11
