#include "app/log_source_option.h"

bool TLogSourceOption::Names(const std::string& option) {
  return LogKindOfOption(option) != TLogKind::Unknown;
}

bool TLogSourceOption::Take(const std::string& option, const std::string& file,
                            std::string& problem) {
  // Sleeps join login records only: a Windows log has its own.
  const auto windowsLog = [](const std::string& o) {
    return o == "--events" || o == "--evt" || o == "--evtx" || o == "FILE";
  };
  if (option == "--journal") {
    if (!files_.Journal.empty()) {
      problem = "option '--journal' given twice";
      return false;
    }
    if (windowsLog(option_)) {
      problem = "options '" + option_ + "' and '--journal' exclude each other";
      return false;
    }
    files_.Journal = file;
    return true;
  }
  if (!files_.Journal.empty() && windowsLog(option)) {
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
  files_.Kind = LogKindOfOption(option);
  files_.File = file;
  return true;
}

bool TLogSourceOption::TakeFile(const std::string& file, std::string& problem) {
  if (option_ == "FILE") {
    problem = "more than one FILE given";
    return false;
  }
  return Take("FILE", file, problem);
}

TLogOpener TLogSourceOption::Opener(std::string& problem) const {
  TLogFiles files = files_;
  TLogProblem why;
  TLogOpener open = OpenLogFiles(files, why);
  problem = why.Text;
  return open;
}
