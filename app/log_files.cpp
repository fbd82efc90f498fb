#include "app/log_files.h"

#include <filesystem>

#include "bootlog/file_path.h"
#include "bootlog/fixture_source.h"
#include "bootlog/listed_source.h"
#include "bootlog/merged_source.h"
#include "bootlog/system_log.h"
#include "bootlog/wtmp_source.h"

namespace {

using TOpen = std::unique_ptr<SessionSource> (*)(const std::string&, std::string&);

TLogProblem Problem(TLogFault fault, std::string text) {
  return {fault, std::move(text)};
}

// Empty when `path` is a file that can be named, else why not.
TLogProblem FileProblem(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(FilePath(path), error);
  if (status.type() == std::filesystem::file_type::not_found) {
    return Problem(TLogFault::Missing, path + ": no such file");
  }
  if (status.type() == std::filesystem::file_type::directory) {
    return Problem(TLogFault::Folder, path + ": is a folder, not a file");
  }
  if (error || status.type() != std::filesystem::file_type::regular) {
    return Problem(TLogFault::Unreadable, path + ": cannot be read");
  }
  return {};
}

const char* GuessText(TLogFault fault) {
  switch (fault) {
    case TLogFault::Missing:
      return "no such file or folder";
    case TLogFault::Folder:
      return "is a folder without journal files";
    case TLogFault::Empty:
      return "is empty";
    case TLogFault::NotALog:
      return "not a log that Dorvex reads";
    default:
      return "cannot be read";
  }
}

// Fills in the kind of a file named without one.
bool FindKind(TLogFiles& files, TLogProblem& problem) {
  if (files.Kind != TLogKind::Unknown || files.File.empty()) {
    return true;
  }
  const TLogGuess guess = GuessLogKind(files.File);
  if (guess.Kind == TLogKind::Unknown) {
    problem = Problem(guess.Fault, files.File + ": " + GuessText(guess.Fault));
    return false;
  }
  if (guess.Kind == TLogKind::Journal) {
    files.Journal = std::move(files.File);
    files.File.clear();
    return true;
  }
  files.Kind = guess.Kind;
  return true;
}

// A reader's refusal: damage when the file holds a log of the kind asked for
// (a fixture's reader names the line at fault), else it is not that log.
TLogProblem ReaderProblem(const std::string& path, TLogKind kind, std::string text) {
#ifdef _WIN32
  if (kind == TLogKind::Wtmpdb || kind == TLogKind::Journal) {
    return Problem(TLogFault::LinuxOnly, std::move(text));
  }
#endif
  const TLogGuess guess = GuessLogKind(path);
  if (guess.Kind == TLogKind::Unknown && guess.Fault != TLogFault::NotALog) {
    return Problem(guess.Fault, std::move(text));
  }
  const bool damaged = guess.Kind == kind || kind == TLogKind::Events;
  return Problem(damaged ? TLogFault::Damaged : TLogFault::NotALog, std::move(text));
}

// Opens a saved log afresh each time; one gone since has nothing to read.
TLogOpener Reopening(const std::string& file, TOpen open) {
  return [file, open]() -> std::unique_ptr<SessionSource> {
    std::string ignored;
    if (auto source = open(file, ignored)) {
      return source;
    }
    return std::make_unique<ListedSessionSource>();
  };
}

TLogOpener LogOpener(const TLogFiles& files, TLogProblem& problem) {
  if (files.File.empty()) {
    return [] { return CreateLoginRecordSource(); };
  }
  const std::string& file = files.File;
  problem = FileProblem(file);
  if (problem.Fault != TLogFault::NoFault) {
    return {};
  }
  std::string text;
  switch (files.Kind) {
    case TLogKind::Events:
      text = FixtureEventSource::Problem(file);
      if (!text.empty()) {
        problem = ReaderProblem(file, files.Kind, text);
        return {};
      }
      return [file] { return OpenFixtureLog(file); };
    case TLogKind::Wtmp:
      return [file] {
        return std::make_unique<WtmpEventSource>(std::vector<std::string>{file, file + ".1"});
      };
    default:
      break;
  }
  const TOpen open = files.Kind == TLogKind::Evt    ? OpenSavedSystemLog
                     : files.Kind == TLogKind::Evtx ? OpenSavedEvtxLog
                                                    : OpenLoginDatabase;
  if (!open(file, text)) {
    problem = ReaderProblem(file, files.Kind, text);
    return {};
  }
  return Reopening(file, open);
}

}  // namespace

TLogOpener OpenLogFiles(TLogFiles& files, TLogProblem& problem) {
  problem = {};
  if (!FindKind(files, problem)) {
    return {};
  }
  TLogOpener log = LogOpener(files, problem);
  if (!log || files.Journal.empty()) {
    return log;
  }
  const std::string journal = files.Journal;
  std::error_code error;
  if (std::filesystem::status(FilePath(journal), error).type() ==
      std::filesystem::file_type::not_found) {
    problem = Problem(TLogFault::Missing, journal + ": no such file or folder");
    return {};
  }
  std::string text;
  if (!OpenJournal(journal, text)) {
    problem = ReaderProblem(journal, TLogKind::Journal, text);
    return {};
  }
  return [log, journal]() -> std::unique_ptr<SessionSource> {
    std::string ignored;
    std::unique_ptr<SessionSource> sleeps = OpenJournal(journal, ignored);
    if (!sleeps) {
      sleeps = std::make_unique<ListedSessionSource>();  // gone since: no sleeps
    }
    return std::make_unique<MergedEventSource>(log(), std::move(sleeps));
  };
}
