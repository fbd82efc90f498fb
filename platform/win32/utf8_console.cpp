#include "platform/win32/utf8_console.h"

#include <windows.h>

#include <cstdio>

namespace platform_win32 {

namespace {

bool IsConsole(DWORD which) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

}  // namespace

TUtf8Console::TUtf8Console() {
  if (!IsConsole(STD_OUTPUT_HANDLE) && !IsConsole(STD_ERROR_HANDLE)) {
    return;
  }
  const UINT old = GetConsoleOutputCP();
  if (old != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
    oldCodePage_ = old;
  }
}

TUtf8Console::~TUtf8Console() {
  if (oldCodePage_ != 0) {
    // What is still buffered is UTF-8 too.
    std::fflush(stdout);
    std::fflush(stderr);
    SetConsoleOutputCP(oldCodePage_);
  }
}

}  // namespace platform_win32
