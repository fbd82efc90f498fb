#pragma once

#include <functional>
#include <memory>
#include <string>

#include "bootlog/log_kind.h"
#include "bootlog/session_event.h"

// Opens the log once more for each read.
using TLogOpener = std::function<std::unique_ptr<SessionSource>()>;

// Log files read in place of this computer's own log: a log of one kind, the
// sleeps of a systemd journal joined to login records, or both.
struct TLogFiles {
  // With a File: Unknown has it found from what the file holds (such a file
  // comes alone, without a Journal).
  TLogKind Kind = TLogKind::Unknown;
  std::string File;
  std::string Journal;  // a journal file or a folder of them
  bool Given() const { return !File.empty() || !Journal.empty(); }
  // What the window names: the log, else the journal.
  const std::string& Shown() const { return File.empty() ? Journal : File; }
};

struct TLogProblem {
  TLogFault Fault = TLogFault::NoFault;
  std::string Text;  // names the file, in the tools' words
};

// The one place where named log files are opened, for the tools' options, for
// `dorvex FILE` and for a file dropped on the window. How to open them for
// each read; empty, with the problem, when they cannot be read. Kinds found
// from the content are written back into `files` (a journal moves to
// Journal). A file gone after this reads as an empty log.
TLogOpener OpenLogFiles(TLogFiles& files, TLogProblem& problem);
