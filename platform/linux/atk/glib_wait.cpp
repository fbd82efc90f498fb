#include "platform/linux/atk/glib_wait.h"

#include <glib.h>
#include <poll.h>

#include <vector>

namespace platform_atk {

void WaitWithGlib(int fd, int timeoutMs, std::vector<GPollFD>& fds) {
  GMainContext* context = g_main_context_default();
  if (!g_main_context_acquire(context)) {
    pollfd only{fd, POLLIN, 0};
    poll(&only, 1, timeoutMs);
    return;
  }
  gint priority = 0;
  if (g_main_context_prepare(context, &priority)) {
    timeoutMs = 0;  // a source is ready already
  }
  if (fds.empty()) {
    fds.resize(8);
  }
  gint glibTimeout = -1;
  gint count = 0;
  while ((count = g_main_context_query(context, priority, &glibTimeout, fds.data(),
                                       static_cast<gint>(fds.size()))) >
         static_cast<gint>(fds.size())) {
    fds.resize(static_cast<size_t>(count));
  }
  if (glibTimeout >= 0 && (timeoutMs < 0 || glibTimeout < timeoutMs)) {
    timeoutMs = glibTimeout;
  }
  std::vector<pollfd> polled(static_cast<size_t>(count) + 1);
  polled[0] = {fd, POLLIN, 0};
  for (gint i = 0; i < count; ++i) {
    polled[static_cast<size_t>(i) + 1] = {
        fds[static_cast<size_t>(i)].fd, static_cast<short>(fds[static_cast<size_t>(i)].events), 0};
  }
  poll(polled.data(), polled.size(), timeoutMs);
  for (gint i = 0; i < count; ++i) {
    fds[static_cast<size_t>(i)].revents =
        static_cast<gushort>(polled[static_cast<size_t>(i) + 1].revents);
  }
  if (g_main_context_check(context, priority, fds.data(), count)) {
    g_main_context_dispatch(context);
  }
  g_main_context_release(context);
}

}  // namespace platform_atk
