#include "platform/x11/open_address.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace x11 {

namespace {

void ReportAndExit(int fd) {
  const int error = errno;
  ssize_t ignored = write(fd, &error, sizeof(error));
  (void)ignored;
  _exit(127);
}

}  // namespace

bool OpenWithDefaultHandler(const std::string& address) {
  if (address.empty()) {
    return false;
  }
  // The handler's end closes on exec: reading nothing means it started, an
  // errno means it did not.
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) {
    return false;
  }
  pid_t child = fork();
  if (child < 0) {
    close(pipeFds[0]);
    close(pipeFds[1]);
    return false;
  }
  if (child == 0) {
    // The grandchild runs the handler; the child exits at once so that it is reaped
    // here and the handler is adopted by init instead of lingering as our zombie.
    close(pipeFds[0]);
    setsid();
    pid_t handler = fork();
    if (handler < 0) {
      ReportAndExit(pipeFds[1]);
    }
    if (handler == 0) {
      execlp("xdg-open", "xdg-open", address.c_str(), static_cast<char*>(nullptr));
      ReportAndExit(pipeFds[1]);
    }
    _exit(0);
  }
  close(pipeFds[1]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got;
  do {
    got = read(pipeFds[0], &error, sizeof(error));
  } while (got < 0 && errno == EINTR);
  close(pipeFds[0]);
  return got == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace x11
