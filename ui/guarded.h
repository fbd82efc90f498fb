#pragma once

#include <exception>
#include <utility>

// The one way the program's code is run — event handlers, paints, timers and the
// platforms' window procedures: an error leaving it goes to the application's
// general error handler and no further. Without an application (tests with no
// platform) it is rethrown, so the test sees it.
void ReportError(std::exception_ptr error);
// For a guard where an error must not unwind (a reader's call through GLib or COM
// frames): the guard answers "failed" at once and the error reaches the handler
// from the message loop.
void ReportErrorLater(std::exception_ptr error);

// `onError` takes the error in place of the general error handler: a paint
// pass holds its first error until the pass is presented.
template <class Handler, class OnError>
void RunGuarded(Handler&& handler, OnError&& onError) {
  try {
    std::forward<Handler>(handler)();
  } catch (...) {
    std::forward<OnError>(onError)(std::current_exception());
  }
}

template <class Handler>
void RunGuarded(Handler&& handler) {
  RunGuarded(std::forward<Handler>(handler), ReportError);
}
