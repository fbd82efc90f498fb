// The Win32 platform's services that need no window (run under Wine in CI).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bootlog/system_log.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_log_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "ui/error_handler.h"

namespace platform_win32 {
namespace {

std::wstring Wide(const std::string& s) {
  const std::u16string w = Utf16FromUtf8(s);
  return std::wstring(w.begin(), w.end());
}

std::string LocaleText(LCTYPE type) {
  char buffer[100] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof(buffer));
  return buffer;
}

// Runs a copy of the title probe (built beside this program) under `name` and
// returns the title it computed.
std::string TitleAs(const std::wstring& dir, const std::wstring& name) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring probe = self;
  probe = probe.substr(0, probe.find_last_of(L"\\/") + 1) + L"win32_title_probe.exe";
  const std::wstring copy = dir + L"\\" + name;
  if (!CopyFileW(probe.c_str(), copy.c_str(), FALSE)) {
    return "<copy failed>";
  }
  const std::wstring outFile = dir + L"\\title.txt";
  DeleteFileW(outFile.c_str());
  SetEnvironmentVariableW(L"DORVEX_TITLE_OUT", outFile.c_str());
  std::wstring command = L"\"" + copy + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  std::string title = "<not started>";
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                     &pi)) {
    WaitForSingleObject(pi.hProcess, 60000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    std::ifstream in(outFile.c_str());
    std::getline(in, title);
  }
  SetEnvironmentVariableW(L"DORVEX_TITLE_OUT", nullptr);
  DeleteFileW(copy.c_str());
  DeleteFileW(outFile.c_str());
  return title;
}

TEST(Win32Services, ApplicationTitleComesFromTheProgramFilesName) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring dir = std::wstring(temp) + L"dorvex-title-test";
  CreateDirectoryW(dir.c_str(), nullptr);
  EXPECT_EQ(TitleAs(dir, L"Dorvex.exe"), "Dorvex");
  EXPECT_EQ(TitleAs(dir, L"DORVEX.EXE"), "Dorvex");
  EXPECT_EQ(TitleAs(dir, L"dorvex.v2.exe"), "dorvex");
  RemoveDirectoryW(dir.c_str());
}

TEST(Win32Services, ProgramPathIsTheRunningFile) {
  auto platform = CreateWin32Platform();
  const std::string path = platform->ProgramPath();
  ASSERT_GT(path.size(), 4u);
  EXPECT_EQ(path.substr(path.size() - 4), ".exe");
  EXPECT_NE(GetFileAttributesW(Wide(path).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Win32Services, TickCountFollowsTheSystemCounterAndNeverGoesBack) {
  auto platform = CreateWin32Platform();
  const uint64_t a = platform->TickCount64();
  const uint32_t sys = GetTickCount();
  Sleep(60);
  const uint64_t b = platform->TickCount64();
  EXPECT_GT(b, a);  // the counter ticks coarsely (about 16 ms)
  // The low 32 bits are the classic counter.
  const uint32_t diff = static_cast<uint32_t>(a) - sys;
  EXPECT_TRUE(diff < 1000 || diff > 0xFFFFFFFFu - 1000) << a << " vs " << sys;
}

TEST(Win32Services, LocalNowIsTheComputersClock) {
  auto platform = CreateWin32Platform();
  SYSTEMTIME t;
  GetLocalTime(&t);
  const double now = platform->LocalNow();
  // Days since 1899-12-30: the date part changes only at midnight.
  const double seconds = (now - static_cast<long>(now)) * 86400.0;
  const int clock = t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
  EXPECT_NEAR(seconds, clock, 2.0);
  EXPECT_GT(now, 45000.0);  // after 2023
}

TEST(Win32Services, UtcSecondsIsTheComputersClockInUtc) {
  auto platform = CreateWin32Platform();
  SYSTEMTIME t;
  GetSystemTime(&t);
  const int64_t utc = platform->UtcSeconds();
  const int clock = t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
  const int64_t ofDay = utc % 86400;
  EXPECT_TRUE(std::llabs(ofDay - clock) <= 2 || std::llabs(ofDay - clock) >= 86398) << utc;
  EXPECT_GT(utc, 1672531200);  // after 2023
}

TEST(Win32Services, LogonSidTextsAreLookedUpOnThisComputer) {
  const std::unique_ptr<EventSource> log = LiveSystemLog();
  EXPECT_EQ(log->LookupSidText("S-1-5-18"), "SYSTEM");
  EXPECT_EQ(log->LookupSidText("S-1-5-19"), "LOCAL SERVICE");
  // An account of another computer, and texts that are no SID.
  EXPECT_EQ(log->LookupSidText("S-1-5-21-2595688666-2948619230-3055395256-1001"), "N/A");
  EXPECT_EQ(log->LookupSidText("S-1-5-21-x"), "N/A");
  EXPECT_EQ(log->LookupSidText(""), "N/A");
}

TEST(Win32Services, ScreenResolutionAndColourDepth) {
  auto platform = CreateWin32Platform();
  HDC dc = GetDC(nullptr);
  EXPECT_EQ(platform->ScreenDpi(), GetDeviceCaps(dc, LOGPIXELSX));
  EXPECT_EQ(platform->ColorDepth(), GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES));
  ReleaseDC(nullptr, dc);
  EXPECT_GT(platform->ScreenDpi(), 0);
  // Without the declaration the system would report 96 and stretch the bitmaps.
  EXPECT_TRUE(IsProcessDPIAware());
}

TEST(Win32Services, SystemColoursComeFromTheSystem) {
  auto platform = CreateWin32Platform();
  for (int i : {COLOR_BTNFACE, COLOR_WINDOW, COLOR_HIGHLIGHT, COLOR_WINDOWFRAME, COLOR_3DLIGHT}) {
    EXPECT_EQ(gfx::ColorToRGB(gfx::SystemColor(i)), GetSysColor(i) & 0xFFFFFF) << i;
  }
}

TEST(Win32Services, RegionalFormatsAreReadBackFromTheUsersLocale) {
  const RegionalFormats f = SystemRegionalFormats();
  EXPECT_EQ(f.ShortDate, LocaleText(LOCALE_SSHORTDATE));
  EXPECT_EQ(f.LongTime, LocaleText(LOCALE_STIMEFORMAT));
  // CTest runs this with a Chinese (PRC) locale.
  if (GetUserDefaultLCID() == 0x0804) {
    EXPECT_EQ(f.ShortDate, "yyyy/M/d");
    // A 24-hour clock ("H:mm:ss" on Windows 10, "HH:mm:ss" in newer locale data).
    EXPECT_TRUE(f.LongTime == "H:mm:ss" || f.LongTime == "HH:mm:ss") << f.LongTime;
  }
}

TEST(Win32Services, TheClipboardKeepsUnicodeText) {
  auto platform = CreateWin32Platform();
  platform->SetClipboardText("记录数:0 \xF0\x9F\x98\x80");
  EXPECT_EQ(platform->ClipboardText(), "记录数:0 \xF0\x9F\x98\x80");
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE h = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(GlobalLock(h))), L"记录数:0 \U0001F600");
  GlobalUnlock(h);
  CloseClipboard();
}

TEST(Win32Services, LinkLabelsReachTheShellWhileThePlatformLives) {
  {
    auto platform = CreateWin32Platform();
    EXPECT_NE(dynamic_cast<TWin32LinkOpener*>(&LinkOpener()), nullptr);
    // A document that is not there is refused, without an error box of the shell's.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string missing =
        Utf8FromUtf16(std::u16string(temp, temp + wcslen(temp))) + "dorvex-no-such-page.htm";
    EXPECT_FALSE(LinkOpener().OpenVerb(missing));
  }
  EXPECT_EQ(dynamic_cast<TWin32LinkOpener*>(&LinkOpener()), nullptr);
}

TEST(Win32Services, AnsiStringsForTheShellKeepAscii) {
  EXPECT_EQ(AnsiFromUtf8("https://www.dorvex.net/"), "https://www.dorvex.net/");
  EXPECT_EQ(AnsiFromUtf8(""), "");
}

// The executable's resources, linked into this test program as into Dorvex.exe.
TEST(Win32Resources, VersionInformationSaysTwoPointZero) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(self, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfoW(self, 0, size, data.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &len));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
  wchar_t* text = nullptr;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\080404B0\\FileVersion",
                             reinterpret_cast<void**>(&text), &len));
  EXPECT_EQ(std::wstring(text), L"2.0");
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\080404B0\\ProductVersion",
                             reinterpret_cast<void**>(&text), &len));
  EXPECT_EQ(std::wstring(text), L"2.0");
}

std::string ResourceText(LPCWSTR type, int id) {
  HRSRC r = FindResourceW(nullptr, MAKEINTRESOURCEW(id), type);
  if (r == nullptr) {
    return {};
  }
  const char* p = static_cast<const char*>(LockResource(LoadResource(nullptr, r)));
  return std::string(p, SizeofResource(nullptr, r));
}

TEST(Win32Resources, TheManifestDeclaresDpiAwarenessAndNoThemedControls) {
  const std::string manifest = ResourceText(RT_MANIFEST, 1);
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find("<dpiAware"), std::string::npos);
  EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
  EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

TEST(Win32Resources, TheProgramIconCarriesSeveralSizes) {
  const std::string group = ResourceText(RT_GROUP_ICON, 1);
  ASSERT_GE(group.size(), 6u);
  const auto* bytes = reinterpret_cast<const unsigned char*>(group.data());
  const int count = bytes[4] | (bytes[5] << 8);
  ASSERT_EQ(group.size(), 6u + 14u * static_cast<unsigned>(count));
  std::vector<std::pair<int, int>> entries;  // size, bits per pixel
  for (int i = 0; i < count; ++i) {
    const unsigned char* e = bytes + 6 + 14 * i;
    entries.push_back({e[0], e[6] | (e[7] << 8)});
  }
  const std::vector<std::pair<int, int>> expected = {
      {16, 32}, {24, 32}, {32, 32}, {48, 32}, {32, 4}};
  EXPECT_EQ(entries, expected);
  // The system picks and loads the sizes it needs.
  HICON small = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0));
  EXPECT_NE(small, nullptr);
  if (small != nullptr) {
    DestroyIcon(small);
  }
}

}  // namespace
}  // namespace platform_win32
