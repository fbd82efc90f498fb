#include "app/command_line.h"

#include <cstdio>

std::string VersionText(const std::string& name) {
  return name + " " + DORVEX_VERSION;
}

bool AnswersStandardOption(const TProgramUsage& program, const std::string& arg, int& status) {
  std::string text;
  if (arg == "--help") {
    text = program.About + "\n\n" + program.Usage;
  } else if (arg == "--version") {
    text = VersionText(program.Name) + "\n";
  } else {
    return false;
  }
  std::fputs(text.c_str(), stdout);
  status = std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
  return true;
}

int UsageError(const TProgramUsage& program, const std::string& problem) {
  std::fprintf(stderr, "%s: %s\n%s", program.Name.c_str(), problem.c_str(), program.Usage.c_str());
  return 2;
}
