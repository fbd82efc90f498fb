#include "platform/x11/x11_errors.h"

#include <cstdio>
#include <string>

namespace x11 {

namespace {

TErrorKinds& Told() {
  static TErrorKinds kinds;
  return kinds;
}

// Runs inside Xlib: only local lookups, no requests to the server.
int RequestFailed(::Display* dpy, XErrorEvent* error) {
  if (!Told().FirstOf(error->error_code, error->request_code, error->minor_code)) {
    return 0;
  }
  char what[160] = {};
  XGetErrorText(dpy, error->error_code, what, sizeof what);
  char request[160] = {};
  const std::string number = std::to_string(error->request_code);
  XGetErrorDatabaseText(dpy, "XRequest", number.c_str(), number.c_str(), request, sizeof request);
  std::fprintf(stderr, "dorvex: X error %s in request %s (%d.%d); not told again\n", what, request,
               error->request_code, error->minor_code);
  return 0;
}

int ConnectionBroken(::Display*) {
  std::fprintf(stderr, "dorvex: the connection to the display was lost\n");
  return 0;
}

// Xlib's default here exits; returning leaves the display dead instead.
void ConnectionLost(::Display*, void* lost) {
  *static_cast<bool*>(lost) = true;
}

}  // namespace

bool TErrorKinds::FirstOf(int code, int request, int minor) {
  return seen_.emplace(code, request, minor).second;
}

void InstallErrorHandlers(::Display* dpy, bool* lost) {
  XSetErrorHandler(RequestFailed);
  XSetIOErrorHandler(ConnectionBroken);
  XSetIOErrorExitHandler(dpy, ConnectionLost, lost);
}

}  // namespace x11
