#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/utf8_console.h"

namespace {

constexpr wchar_t kOwnConsole[] = L"DORVEX_TEST_IN_OWN_CONSOLE";

// What a tool started from cmd.exe meets: run by the test below in a console
// of its own, which reads the outcome from the exit status.
TEST(Utf8Console, InAConsoleOfItsOwn) {
  if (GetEnvironmentVariableW(kOwnConsole, nullptr, 0) == 0) {
    GTEST_SKIP() << "run by ShowsUtf8WhileAToolRunsAndPutsTheCodePageBack";
  }
  ASSERT_TRUE(SetConsoleOutputCP(936));
  for (const bool console : {true, false}) {
    if (!console) {  // output that leads elsewhere leaves the console alone
      SetStdHandle(STD_OUTPUT_HANDLE, INVALID_HANDLE_VALUE);
      SetStdHandle(STD_ERROR_HANDLE, INVALID_HANDLE_VALUE);
    }
    {
      const platform_win32::TUtf8Console utf8;
      EXPECT_EQ(GetConsoleOutputCP(), console ? UINT{CP_UTF8} : 936u);
    }
    EXPECT_EQ(GetConsoleOutputCP(), 936u);
  }
}

// Under Wine a console needs the X display.
TEST(Utf8Console, ShowsUtf8WhileAToolRunsAndPutsTheCodePageBack) {
  wchar_t self[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=*InAConsoleOfItsOwn";
  SetEnvironmentVariableW(kOwnConsole, L"1");
  STARTUPINFOW start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION child{};
  const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE,
                                      CREATE_NEW_CONSOLE, nullptr, nullptr, &start, &child);
  SetEnvironmentVariableW(kOwnConsole, nullptr);
  ASSERT_TRUE(started);
  EXPECT_EQ(WaitForSingleObject(child.hProcess, 60000), WAIT_OBJECT_0);
  DWORD status = 1;
  GetExitCodeProcess(child.hProcess, &status);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  EXPECT_EQ(status, 0u);
}

}  // namespace
