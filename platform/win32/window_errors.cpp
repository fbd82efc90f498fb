#include "platform/win32/window_errors.h"

namespace platform_win32 {

namespace {
std::exception_ptr gPending;
}

void KeepWindowError(std::exception_ptr error) {
  if (!gPending) {
    gPending = error;
  }
}

void RethrowWindowError() {
  if (gPending) {
    std::exception_ptr error = gPending;
    gPending = nullptr;
    std::rethrow_exception(error);
  }
}

}  // namespace platform_win32
