#include "platform/x11/open_address.h"

#include <sys/wait.h>
#include <unistd.h>

namespace x11 {

void OpenWithDefaultHandler(const std::string& address) {
  if (address.empty()) {
    return;
  }
  pid_t child = fork();
  if (child < 0) {
    return;
  }
  if (child == 0) {
    // The grandchild runs the handler; the child exits at once so that it is reaped
    // here and the handler is adopted by init instead of lingering as our zombie.
    setsid();
    pid_t handler = fork();
    if (handler == 0) {
      execlp("xdg-open", "xdg-open", address.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    _exit(0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
  }
}

}  // namespace x11
