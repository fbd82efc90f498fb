#pragma once

#include <X11/Xlib.h>

#include <set>
#include <tuple>

// Xlib's errors, handled by the program instead of by Xlib's defaults, which end
// the process from inside the library (and then run static destructors under
// windows that are still alive).
namespace x11 {

// The kinds of failed request already told: each is told once.
class TErrorKinds {
 public:
  // True the first time an error of this code, request and minor request is seen.
  bool FirstOf(int code, int request, int minor);

 private:
  std::set<std::tuple<int, int, int>> seen_;
};

// A failed request is told on standard error, once per kind, and the program goes
// on. A broken connection sets `*lost` and leaves the display dead (every later
// call returns at once), so that the message loop ends as on any other close.
void InstallErrorHandlers(::Display* dpy, bool* lost);

}  // namespace x11
