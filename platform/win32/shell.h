// Handing addresses and links to the Windows shell.
#pragma once

#include <string>

namespace platform_win32 {

// ShellExecuteA with the default verb, in a normal window; failures are ignored.
void ShellOpenAddress(const std::string& address, void* ownerHwnd);

// A link label's click: ShellExecuteExA "Open", without the shell's error UI
// and waiting for the hand-over; a refused ".htm" target starts the chooser of
// a program for "*.htm" files. True when the shell accepted the target.
bool ShellOpenLink(const std::string& target);

// Strings for the ANSI calls: UTF-8 through UTF-16 to the system code page.
std::string AnsiFromUtf8(const std::string& utf8);

}  // namespace platform_win32
