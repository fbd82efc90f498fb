#pragma once

#include <string>

#include "app/log_files.h"

// The log named on a command line: a fixture (--events), a saved Windows
// System log (--evt, or --evtx as Vista and later save it), a wtmp file with
// its rotated wtmp.1 (--wtmp) or a wtmpdb database with its rotated FILE.1
// (--wtmpdb). At most one of them. The sleeps of a systemd journal (--journal,
// a file or a folder) join the login records that --wtmp or --wtmpdb names,
// or this computer's. The window also takes a FILE alone, of any kind.
class TLogSourceOption {
 public:
  static constexpr const char* kUsage =
      "[--events FILE | --evt FILE | --evtx FILE | --wtmp FILE | --wtmpdb FILE] [--journal PATH]";

  static bool Names(const std::string& option);
  // Takes the file of a source option; false, with why, when a source was named already.
  bool Take(const std::string& option, const std::string& file, std::string& problem);
  // A file named without an option; its kind is found from what it holds.
  bool TakeFile(const std::string& file, std::string& problem);
  bool Given() const { return files_.Given(); }
  const TLogFiles& Files() const { return files_; }

  // How to open the named log; empty, with a message naming the file, when the
  // file is missing, a folder, or not of its kind.
  TLogOpener Opener(std::string& problem) const;

 private:
  TLogFiles files_;
  std::string option_;  // the option that named File, or "FILE"
};
