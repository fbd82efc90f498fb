#include "platform/x11/x11_display.h"

#include <X11/cursorfont.h>

#include "ui/input.h"

namespace x11 {

TX11Display::TX11Display(::Display* dpy) : Dpy(dpy), Screen(DefaultScreen(dpy)) {
  auto atom = [dpy](const char* name) { return XInternAtom(dpy, name, False); };
  WmProtocols = atom("WM_PROTOCOLS");
  WmDeleteWindow = atom("WM_DELETE_WINDOW");
  NetWmName = atom("_NET_WM_NAME");
  Utf8String = atom("UTF8_STRING");
  NetWmIcon = atom("_NET_WM_ICON");
  NetWmState = atom("_NET_WM_STATE");
  NetWmStateMaxVert = atom("_NET_WM_STATE_MAXIMIZED_VERT");
  NetWmStateMaxHorz = atom("_NET_WM_STATE_MAXIMIZED_HORZ");
  NetWmMoveResize = atom("_NET_WM_MOVERESIZE");
  NetWmWindowType = atom("_NET_WM_WINDOW_TYPE");
  NetWmWindowTypeTooltip = atom("_NET_WM_WINDOW_TYPE_TOOLTIP");
  NetWmWindowTypeDialog = atom("_NET_WM_WINDOW_TYPE_DIALOG");
  Clipboard = atom("CLIPBOARD");
  Targets = atom("TARGETS");
  SelectionProperty = atom("DORVEX_SELECTION");
  NetActiveWindow = atom("_NET_ACTIVE_WINDOW");
  NetWmPing = atom("_NET_WM_PING");
  NetWmPid = atom("_NET_WM_PID");
  NetWmStateModal = atom("_NET_WM_STATE_MODAL");
  NetWmUserTime = atom("_NET_WM_USER_TIME");
  NetSupported = atom("_NET_SUPPORTED");
  NetSupportingWmCheck = atom("_NET_SUPPORTING_WM_CHECK");
  MotifWmHints = atom("_MOTIF_WM_HINTS");

  const unsigned shapes[] = {XC_left_ptr,
                             XC_left_ptr,
                             XC_hand2,
                             XC_xterm,
                             XC_crosshair,
                             XC_bottom_right_corner,
                             XC_sb_h_double_arrow,
                             XC_sb_v_double_arrow,
                             XC_fleur,
                             XC_watch};
  static_assert(sizeof(shapes) / sizeof(shapes[0]) == crHourGlass + 1);
  for (size_t i = 0; i < Cursors.size(); ++i) {
    Cursors[i] = XCreateFontCursor(dpy, shapes[i]);
  }
}

TX11Display::~TX11Display() {
  for (Cursor c : Cursors) {
    if (c) {
      XFreeCursor(Dpy, c);
    }
  }
  XCloseDisplay(Dpy);
}

}  // namespace x11
