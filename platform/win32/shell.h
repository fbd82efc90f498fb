// Handing addresses and links to the Windows shell.
#pragma once

#include <string>

#include "ui/link_opener.h"

namespace platform_win32 {

// ShellExecuteA with the default verb, in a normal window; true when the shell
// took the address.
bool ShellOpenAddress(const std::string& address, void* ownerHwnd);

// The link labels' way to the shell: ShellExecuteExA "Open" without the shell's
// error UI, waiting for the hand-over; the chooser started through WinExec.
// The Win32 platform installs one for its lifetime.
class TWin32LinkOpener : public TLinkOpener {
 public:
  bool OpenVerb(const std::string& target) override;
  void StartChooser(const std::string& pattern) override;
};

// Strings for the ANSI calls: UTF-8 through UTF-16 to the system code page.
std::string AnsiFromUtf8(const std::string& utf8);

}  // namespace platform_win32
