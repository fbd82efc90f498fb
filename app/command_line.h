#pragma once

#include <string>

// What every program of Dorvex answers alike on its command line:
//   --help     its usage on standard output, exit status 0;
//   --version  "NAME 2.0", exit status 0;
//   a wrong command line: "NAME: PROBLEM" and the usage on standard error,
//   exit status 2.
struct TProgramUsage {
  std::string Name;   // "dorvex-table"
  std::string About;  // one sentence: what the program does
  std::string Usage;  // "usage: NAME ..." and its further lines, each ending in a line break
};

// True, with the exit status, when `arg` is --help or --version, after
// printing what it asks for.
bool AnswersStandardOption(const TProgramUsage& program, const std::string& arg, int& status);
// Prints the problem and the usage; returns 2.
int UsageError(const TProgramUsage& program, const std::string& problem);
// "NAME 2.0"
std::string VersionText(const std::string& name);
