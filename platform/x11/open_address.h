#pragma once

#include <string>

namespace x11 {

// Starts xdg-open with the address as its one argument, directly (no shell), in a
// detached process so that nothing waits for the browser. True when xdg-open
// started; what it does then is its own business.
bool OpenWithDefaultHandler(const std::string& address);

}  // namespace x11
