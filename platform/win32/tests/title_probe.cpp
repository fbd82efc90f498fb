// Started by the services test under several file names: writes the application
// title the platform gives this program file where DORVEX_TITLE_OUT says.
#include <cstdlib>
#include <fstream>

#include "platform/win32/win32_platform.h"
#include "ui/error_handler.h"

int main() {
  const char* out = std::getenv("DORVEX_TITLE_OUT");
  if (out == nullptr) {
    return 2;
  }
  auto platform = CreateWin32Platform();
  std::ofstream file(out);
  file << TitleFromProgramPath(platform->ProgramPath());
  return file ? 0 : 1;
}
