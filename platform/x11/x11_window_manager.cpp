#include "platform/x11/x11_window_manager.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <vector>

namespace x11 {

namespace {

// _NET_ACTIVE_WINDOW's source indication: a normal application asks.
constexpr long kFromApplication = 1;

// _MOTIF_WM_HINTS, which window managers read for a window's buttons: the
// functions and decorations fields, moving and closing, a border, title and menu.
constexpr long kMotifFunctionsAndDecorations = 1 | 2;
constexpr long kMotifMoveAndClose = 4 | 32;
constexpr long kMotifBorderTitleMenu = 2 | 8 | 16;

std::vector<long> ListProperty(TX11Display& x, ::Window w, Atom property, Atom type) {
  std::vector<long> values;
  Atom actual = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(x.Dpy, w, property, 0, 1024, False, type, &actual, &format, &count, &after,
                         &data) == Success &&
      data != nullptr) {
    if (actual == type && format == 32) {
      const auto* items = reinterpret_cast<const long*>(data);
      values.assign(items, items + count);
    }
    XFree(data);
  }
  return values;
}

// A window manager that keeps EWMH's promise: its check window names itself, and
// its list of supported hints holds _NET_ACTIVE_WINDOW.
bool ManagerActivates(TX11Display& x) {
  const ::Window root = RootWindow(x.Dpy, x.Screen);
  const std::vector<long> check = ListProperty(x, root, x.NetSupportingWmCheck, XA_WINDOW);
  if (check.empty() || ListProperty(x, static_cast<::Window>(check[0]), x.NetSupportingWmCheck,
                                    XA_WINDOW) != check) {
    return false;
  }
  for (long atom : ListProperty(x, root, x.NetSupported, XA_ATOM)) {
    if (static_cast<Atom>(atom) == x.NetActiveWindow) {
      return true;
    }
  }
  return false;
}

void SetAtoms(TX11Display& x, ::Window w, Atom property, const std::vector<Atom>& atoms) {
  std::vector<long> values(atoms.begin(), atoms.end());
  XChangeProperty(x.Dpy, w, property, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(values.data()), static_cast<int>(values.size()));
}

}  // namespace

void DescribeWindow(TX11Display& x, ::Window w, const TWindowParams& params, ::Window owner) {
  Display* dpy = x.Dpy;
  XClassHint cls{};
  char name[] = "dorvex", klass[] = "Dorvex";
  cls.res_name = name;
  cls.res_class = klass;
  XSetClassHint(dpy, w, &cls);

  // The machine and process, so that a window manager can end a hung program.
  char host[HOST_NAME_MAX + 1] = {};
  if (gethostname(host, sizeof host - 1) == 0) {
    XChangeProperty(dpy, w, XA_WM_CLIENT_MACHINE, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<unsigned char*>(host), static_cast<int>(std::strlen(host)));
    long pid = static_cast<long>(getpid());
    XChangeProperty(dpy, w, x.NetWmPid, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&pid), 1);
  }

  // The hint window never takes the keyboard; the others take it when given it.
  XWMHints* hints = XAllocWMHints();
  hints->flags = InputHint | StateHint;
  hints->input = params.Kind == wkPopup ? False : True;
  hints->initial_state = NormalState;
  XSetWMHints(dpy, w, hints);
  XFree(hints);

  Atom protocols[] = {x.WmDeleteWindow, x.NetWmPing};
  XSetWMProtocols(dpy, w, protocols, 2);

  if (params.Kind == wkPopup) {
    SetAtoms(x, w, x.NetWmWindowType, {x.NetWmWindowTypeTooltip});
  } else if (params.Kind == wkDialog) {
    SetAtoms(x, w, x.NetWmWindowType, {x.NetWmWindowTypeDialog});
    // The close box only: a dialog is neither minimised nor maximised.
    long motif[5] = {kMotifFunctionsAndDecorations, kMotifMoveAndClose, kMotifBorderTitleMenu};
    XChangeProperty(dpy, w, x.MotifWmHints, x.MotifWmHints, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(motif), 5);
  }
  if (params.Modal) {
    SetAtoms(x, w, x.NetWmState, {x.NetWmStateModal});
  }
  if (owner != 0) {
    XSetTransientForHint(dpy, w, owner);
  }
}

void SetSizeHints(TX11Display& x, ::Window w, TWindowKind kind, TPoint position, TSize size) {
  XSizeHints* hints = XAllocSizeHints();
  hints->flags = PPosition | USPosition;
  hints->x = position.X;
  hints->y = position.Y;
  if (kind != wkMain) {
    hints->flags |= PMinSize | PMaxSize;
    hints->min_width = hints->max_width = size.Width;
    hints->min_height = hints->max_height = size.Height;
  }
  XSetWMNormalHints(x.Dpy, w, hints);
  XFree(hints);
}

void SetUserTime(TX11Display& x, ::Window w) {
  if (x.LastUserTime == CurrentTime) {
    return;
  }
  long time = static_cast<long>(x.LastUserTime);
  XChangeProperty(x.Dpy, w, x.NetWmUserTime, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&time), 1);
}

bool Activate(TX11Display& x, ::Window w) {
  XWindowAttributes wa{};
  if (!XGetWindowAttributes(x.Dpy, w, &wa) || wa.map_state != IsViewable) {
    return false;
  }
  if (ManagerActivates(x)) {
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = x.NetActiveWindow;
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = kFromApplication;
    ev.xclient.data.l[1] = static_cast<long>(x.LastUserTime);
    XSendEvent(x.Dpy, RootWindow(x.Dpy, x.Screen), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &ev);
  } else {
    // Nobody else hands out the focus here: no time to compare.
    XSetInputFocus(x.Dpy, w, RevertToParent, CurrentTime);
  }
  XFlush(x.Dpy);
  return true;
}

bool AnswerPing(TX11Display& x, const XClientMessageEvent& message) {
  if (message.message_type != x.WmProtocols ||
      static_cast<Atom>(message.data.l[0]) != x.NetWmPing) {
    return false;
  }
  XEvent reply{};
  reply.xclient = message;
  const ::Window root = RootWindow(x.Dpy, x.Screen);
  reply.xclient.window = root;
  XSendEvent(x.Dpy, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &reply);
  XFlush(x.Dpy);
  return true;
}

}  // namespace x11
