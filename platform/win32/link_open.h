// Opening a link label's target: the shell's "Open" verb, and, for a page the
// shell cannot open, its chooser of a program for "*.htm" files. The rule is
// portable and runs against any shell; shell.cpp supplies the Windows one.
#pragma once

#include <string>
#include <string_view>

namespace platform_win32 {

class TLinkShell {
 public:
  virtual ~TLinkShell() = default;
  // "Open" in a normal window, no error dialogs of the shell's own, returning
  // once the hand-over has finished; true when the shell accepted the target.
  virtual bool OpenVerb(const std::string& target) = 0;
  // Starts the shell's chooser of a program for files matching `pattern`.
  virtual void StartChooser(const std::string& pattern) = 0;
};

// The extension of a file name or address: from its last "." on, unless a "\"
// or ":" comes after that dot; empty when there is none.
std::string_view FileExtension(std::string_view target);

// True when the shell accepted the target. A refused target whose extension
// is ".htm" (any case) starts the chooser for "*.htm"; any other refusal is
// silent.
bool OpenLinkTarget(TLinkShell& shell, const std::string& target);

}  // namespace platform_win32
