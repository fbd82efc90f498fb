#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/win32/utf8_console.h"

namespace {

constexpr wchar_t kInOwnConsole[] = L"DORVEX_TEST_IN_OWN_CONSOLE";

// Runs in a console of its own, as a tool started from cmd.exe does; the test
// below starts it so, and reads the outcome from its exit status.
TEST(Utf8Console, InAConsoleOfItsOwn) {
  if (GetEnvironmentVariableW(kInOwnConsole, nullptr, 0) == 0) {
    GTEST_SKIP() << "started by ShowsUtf8WhileAToolRunsAndPutsTheCodePageBack";
  }
  ASSERT_TRUE(SetConsoleOutputCP(936));
  {
    const platform_win32::TUtf8Console utf8;
    EXPECT_EQ(GetConsoleOutputCP(), static_cast<UINT>(CP_UTF8));
  }
  EXPECT_EQ(GetConsoleOutputCP(), 936u);
  // Output that leads elsewhere (a pipe, a file) leaves the console alone.
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE), err = GetStdHandle(STD_ERROR_HANDLE);
  const HANDLE nowhere = CreateFileW(L"NUL", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetStdHandle(STD_OUTPUT_HANDLE, nowhere);
  SetStdHandle(STD_ERROR_HANDLE, nowhere);
  {
    const platform_win32::TUtf8Console utf8;
    EXPECT_EQ(GetConsoleOutputCP(), 936u);
  }
  SetStdHandle(STD_OUTPUT_HANDLE, out);
  SetStdHandle(STD_ERROR_HANDLE, err);
  CloseHandle(nowhere);
}

// Under Wine a console needs the X display.
TEST(Utf8Console, ShowsUtf8WhileAToolRunsAndPutsTheCodePageBack) {
  wchar_t self[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
  std::wstring command =
      L"\"" + std::wstring(self) + L"\" --gtest_filter=Utf8Console.InAConsoleOfItsOwn";
  ASSERT_TRUE(SetEnvironmentVariableW(kInOwnConsole, L"1"));
  STARTUPINFOW start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION child{};
  const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE,
                                      CREATE_NEW_CONSOLE, nullptr, nullptr, &start, &child);
  SetEnvironmentVariableW(kInOwnConsole, nullptr);
  ASSERT_TRUE(started);
  ASSERT_EQ(WaitForSingleObject(child.hProcess, 60000), WAIT_OBJECT_0);
  DWORD status = 1;
  GetExitCodeProcess(child.hProcess, &status);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  EXPECT_EQ(status, 0u);
}

}  // namespace
