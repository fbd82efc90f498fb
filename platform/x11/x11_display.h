#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <array>

// Xlib's connection and the atoms and cursors every window shares.
namespace x11 {

struct TX11Display {
  ::Display* Dpy = nullptr;
  int Screen = 0;
  Atom WmProtocols = 0, WmDeleteWindow = 0, NetWmName = 0, Utf8String = 0, NetWmIcon = 0,
       NetWmState = 0, NetWmStateMaxVert = 0, NetWmStateMaxHorz = 0, NetWmMoveResize = 0,
       NetWmWindowType = 0, NetWmWindowTypeTooltip = 0, NetWmWindowTypeDialog = 0, Clipboard = 0,
       Targets = 0, SelectionProperty = 0, NetActiveWindow = 0, NetWmPing = 0, NetWmPid = 0,
       NetWmStateModal = 0, NetWmUserTime = 0, NetSupported = 0, NetSupportingWmCheck = 0,
       MotifWmHints = 0;
  std::array<Cursor, 10> Cursors{};
  // The server time of the user's last key or click.
  Time LastUserTime = CurrentTime;
  // Set by the error handler when the connection broke; the display is dead then.
  bool ConnectionLost = false;

  explicit TX11Display(::Display* dpy);
  ~TX11Display();
  TX11Display(const TX11Display&) = delete;
  TX11Display& operator=(const TX11Display&) = delete;
};

}  // namespace x11
