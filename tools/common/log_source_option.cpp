#include "tools/common/log_source_option.h"

#include <filesystem>

#include "bootlog/fixture_source.h"
#include "bootlog/listed_source.h"
#include "bootlog/merged_source.h"
#include "bootlog/system_log.h"
#include "bootlog/wtmp_source.h"

namespace {

// Empty when `path` is a file that can be named, else why not.
std::string FileProblem(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    return path + ": no such file";
  }
  if (status.type() == std::filesystem::file_type::directory) {
    return path + ": is a folder, not a file";
  }
  if (error || status.type() != std::filesystem::file_type::regular) {
    return path + ": cannot be read";
  }
  return {};
}

}  // namespace

bool TLogSourceOption::Names(const std::string& option) {
  return option == "--events" || option == "--evt" || option == "--evtx" || option == "--wtmp" ||
         option == "--wtmpdb" || option == "--journal";
}

bool TLogSourceOption::Take(const std::string& option, const std::string& file,
                            std::string& problem) {
  // Sleeps join login records only: a Windows log has its own.
  const auto windowsLog = [](const std::string& o) {
    return o == "--events" || o == "--evt" || o == "--evtx";
  };
  if (option == "--journal") {
    if (!journal_.empty()) {
      problem = "option '--journal' given twice";
      return false;
    }
    if (windowsLog(option_)) {
      problem = "options '" + option_ + "' and '--journal' exclude each other";
      return false;
    }
    journal_ = file;
    return true;
  }
  if (!journal_.empty() && windowsLog(option)) {
    problem = "options '--journal' and '" + option + "' exclude each other";
    return false;
  }
  if (!option_.empty()) {
    problem = option == option_
                  ? "option '" + option + "' given twice"
                  : "options '" + option_ + "' and '" + option + "' exclude each other";
    return false;
  }
  option_ = option;
  file_ = file;
  return true;
}

TLogOpener TLogSourceOption::Opener(std::string& problem) const {
  TLogOpener log = LogOpener(problem);
  if (!log || journal_.empty()) {
    return log;
  }
  std::error_code error;
  const auto type = std::filesystem::status(journal_, error).type();
  if (type == std::filesystem::file_type::not_found) {
    problem = journal_ + ": no such file or folder";
    return {};
  }
  if (!OpenJournal(journal_, problem)) {
    return {};
  }
  const std::string journal = journal_;
  return [log, journal]() -> std::unique_ptr<SessionSource> {
    std::string ignored;
    std::unique_ptr<SessionSource> sleeps = OpenJournal(journal, ignored);
    if (!sleeps) {
      sleeps = std::make_unique<ListedSessionSource>();  // gone since: no sleeps
    }
    return std::make_unique<MergedEventSource>(log(), std::move(sleeps));
  };
}

TLogOpener TLogSourceOption::LogOpener(std::string& problem) const {
  if (option_.empty()) {
    problem.clear();
    return [] { return CreateLoginRecordSource(); };
  }
  problem = FileProblem(file_);
  if (!problem.empty()) {
    return {};
  }
  const std::string file = file_;
  if (option_ == "--events") {
    problem = FixtureEventSource::Problem(file);
    if (!problem.empty()) {
      return {};
    }
    return [file] { return OpenFixtureLog(file); };
  }
  if (option_ == "--wtmp") {
    return [file] {
      return std::make_unique<WtmpEventSource>(std::vector<std::string>{file, file + ".1"});
    };
  }
  using TOpen = std::unique_ptr<SessionSource> (*)(const std::string&, std::string&);
  const TOpen open = option_ == "--evt"    ? OpenSavedSystemLog
                     : option_ == "--evtx" ? OpenSavedEvtxLog
                                           : OpenLoginDatabase;
  if (!open(file, problem)) {
    return {};
  }
  return [file, open]() -> std::unique_ptr<SessionSource> {
    std::string ignored;
    if (auto source = open(file, ignored)) {
      return source;
    }
    return std::make_unique<ListedSessionSource>();  // gone since: nothing to read
  };
}
