// Drops files on a window as a file manager does, by the XDND protocol, for the
// end-to-end test. Usage: xdnd-drop WINDOW-ID FILE... Exit status 0 when the
// window took the drop, 1 when it refused it, 2 on a usage or display problem.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

namespace {

struct TDrag {
  Display* Dpy;
  Window Source, Target;
  Atom Message(const char* name) const { return XInternAtom(Dpy, name, False); }
  void Send(const char* type, long l1, long l2 = 0, long l3 = 0, long l4 = 0) const {
    XEvent ev{};
    ev.xclient = {ClientMessage, 0, True, Dpy, Target, Message(type), 32, {}};
    const long data[] = {static_cast<long>(Source), l1, l2, l3, l4};
    std::copy(std::begin(data), std::end(data), ev.xclient.data.l);
    XSendEvent(Dpy, Target, False, NoEventMask, &ev);
    XFlush(Dpy);
  }
  // The next event, or false after five seconds without one.
  bool Next(XEvent& ev) const {
    pollfd fd{ConnectionNumber(Dpy), POLLIN, 0};
    while (XPending(Dpy) == 0) {
      if (poll(&fd, 1, 5000) <= 0) {
        return false;
      }
    }
    XNextEvent(Dpy, &ev);
    return true;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: xdnd-drop WINDOW-ID FILE...\n");
    return 2;
  }
  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    std::fprintf(stderr, "xdnd-drop: no display\n");
    return 2;
  }
  TDrag drag{dpy, XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0),
             static_cast<Window>(std::strtoul(argv[1], nullptr, 0))};
  // Escaped as file managers escape them: all but unreserved characters and '/'.
  std::string list;
  for (int i = 2; i < argc; ++i) {
    list += "file://";
    for (const char* c = argv[i]; *c != '\0'; ++c) {
      const auto byte = static_cast<unsigned char>(*c);
      if (std::isalnum(byte) || std::strchr("/-._~", byte) != nullptr) {
        list += *c;
      } else {
        char escape[4];
        std::snprintf(escape, sizeof(escape), "%%%02X", byte);
        list += escape;
      }
    }
    list += "\r\n";
  }
  const Atom uriList = drag.Message("text/uri-list"), selection = drag.Message("XdndSelection");
  XSetSelectionOwner(dpy, selection, drag.Source, CurrentTime);
  drag.Send("XdndEnter", 5L << 24, static_cast<long>(uriList));
  // Over the middle of the window, in the root's coordinates.
  XWindowAttributes wa{};
  XGetWindowAttributes(dpy, drag.Target, &wa);
  int x = 0, y = 0;
  Window child;
  XTranslateCoordinates(dpy, drag.Target, DefaultRootWindow(dpy), wa.width / 2, wa.height / 2, &x,
                        &y, &child);
  drag.Send("XdndPosition", 0, (static_cast<long>(x) << 16) | y, CurrentTime,
            static_cast<long>(drag.Message("XdndActionCopy")));
  XEvent ev;
  int status = 2;
  while (status == 2 && drag.Next(ev)) {
    const bool message = ev.type == ClientMessage;
    if (message && ev.xclient.message_type == drag.Message("XdndStatus")) {
      const bool accepted = (ev.xclient.data.l[1] & 1) != 0;
      drag.Send(accepted ? "XdndDrop" : "XdndLeave", 0, CurrentTime);
      status = accepted ? 2 : 1;
    } else if (message && ev.xclient.message_type == drag.Message("XdndFinished")) {
      status = (ev.xclient.data.l[1] & 1) != 0 ? 0 : 1;
    } else if (ev.type == SelectionRequest) {
      // The target reads the list.
      XSelectionRequestEvent& req = ev.xselectionrequest;
      XEvent reply{};
      reply.xselection = {SelectionNotify, 0,          True, dpy,     req.requestor,
                          req.selection,   req.target, None, req.time};
      if (req.target == uriList) {
        XChangeProperty(dpy, req.requestor, req.property, uriList, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(list.data()),
                        static_cast<int>(list.size()));
        reply.xselection.property = req.property;
      }
      XSendEvent(dpy, req.requestor, False, NoEventMask, &reply);
      XFlush(dpy);
    }
  }
  if (status == 2) {
    std::fprintf(stderr, "xdnd-drop: no answer from window %s\n", argv[1]);
  }
  XCloseDisplay(dpy);
  return status;
}
