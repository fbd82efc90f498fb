// How a link label hands its target to the system; a link turns "visited" only
// when the system accepted the target. On Windows it is ShellExecuteExA "Open"
// (no error UI, waiting for the hand-over) and the "*.htm" program chooser; the
// program installs that one at start-up.
#pragma once

#include <string>

class TLinkOpener {
 public:
  virtual ~TLinkOpener() = default;
  // Opens the target with the "Open" verb in a normal window; true when accepted.
  virtual bool OpenVerb(const std::string& target) = 0;
  // Starts the shell's chooser of a program for files matching `pattern`.
  virtual void StartChooser(const std::string& pattern) = 0;
};

// The opener link labels use; null restores the default, which passes the target
// to the application platform's OpenAddress and has no chooser.
void SetLinkOpener(TLinkOpener* opener);
TLinkOpener& LinkOpener();

// The extension of a file name or address, from its last "." on, unless a "/",
// "\" or ":" follows that dot; empty when there is none.
std::string LinkExtension(const std::string& target);
