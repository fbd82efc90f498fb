#pragma once

#include <string>

namespace x11 {

// Starts xdg-open with the address as its one argument, directly (no shell), in a
// detached process so that nothing waits for the browser. Failures are ignored.
void OpenWithDefaultHandler(const std::string& address);

}  // namespace x11
