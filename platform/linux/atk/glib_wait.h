// The message loop's wait when GLib's default main context has work of its own
// (the accessibility bridge's D-Bus connection): one poll over the program's
// file descriptor and the context's, on the one thread.
#pragma once

#include <glib.h>

#include <vector>

namespace platform_atk {

// Waits until `fd` is readable, one of the context's sources is ready or the
// timeout (ms; -1: none) runs out, then dispatches the context's ready sources.
// `fds` is the context's poll set, kept between waits.
void WaitWithGlib(int fd, int timeoutMs, std::vector<GPollFD>& fds);

}  // namespace platform_atk
