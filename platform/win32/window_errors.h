// Exceptions must not unwind through the system's frames (window procedures,
// timer procedures): they are kept here and rethrown by the message loop once
// DispatchMessage has returned, where the application's error handler sees them.
#pragma once

#include <exception>

namespace platform_win32 {

// Keeps the first error until it is rethrown; later ones are dropped, as the
// user would see only one message box at a time anyway.
void KeepWindowError(std::exception_ptr error);
void RethrowWindowError();

}  // namespace platform_win32
