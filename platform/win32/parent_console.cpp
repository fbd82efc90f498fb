#include "platform/win32/parent_console.h"

#include <windows.h>

#include <cstdio>

namespace platform_win32 {

void UseParentConsole() {
  if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN) {
    return;
  }
  if (AttachConsole(ATTACH_PARENT_PROCESS)) {
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
  }
}

}  // namespace platform_win32
