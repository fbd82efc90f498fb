#pragma once

#include <functional>
#include <memory>
#include <string>

#include "bootlog/session_event.h"

// Opens the log once more for each refresh.
using TLogOpener = std::function<std::unique_ptr<SessionSource>()>;

// The log a developer tool reads when one is named: a fixture (--events), a
// saved Windows System log (--evt, or --evtx as Vista and later save it), a
// wtmp file with its rotated wtmp.1 (--wtmp) or a wtmpdb database with its
// rotated FILE.1 (--wtmpdb). At most one of them. The sleeps of a systemd
// journal (--journal, a file or a folder) join the login records that --wtmp
// or --wtmpdb names, or this computer's.
class TLogSourceOption {
 public:
  static constexpr const char* kUsage =
      "[--events FILE | --evt FILE | --evtx FILE | --wtmp FILE | --wtmpdb FILE] [--journal PATH]";

  static bool Names(const std::string& option);
  // Takes the file of a source option; false, with why, when a source was named already.
  bool Take(const std::string& option, const std::string& file, std::string& problem);
  bool Given() const { return !option_.empty() || !journal_.empty(); }

  // How to open the named log; empty, with a message naming the file, when the
  // file is missing, a folder, or not of its kind.
  TLogOpener Opener(std::string& problem) const;

 private:
  TLogOpener LogOpener(std::string& problem) const;

  std::string option_, file_;
  std::string journal_;
};
