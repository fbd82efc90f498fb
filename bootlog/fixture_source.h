#pragma once

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "bootlog/listed_source.h"

// A malformed fixture: the message names the file and the line.
class EFixtureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Events from a text file, one per line, newest first: "CODE TIME [USER]".
// CODE is the decimal 32-bit event identifier, TIME the seconds since
// 1970-01-01 UTC, USER the rest of the line after one blank (absent: the
// lookup fails). A record of a named source, with its data values, reads
// "[SOURCE] CODE TIME [<SID>] [VALUE|VALUE|...]": the values are the rest of
// the line after one blank, split at every '|'; the record's own user is the
// SID text in angle brackets, when given.
// Blank lines and lines starting with '#' are skipped.
//
// The file is read line by line, never whole: memory does not grow with it.
// Every open first reads it through once, so a malformed fixture yields no
// events at all rather than the ones before the bad line.
class FixtureEventSource : public NamedEventSource {
 public:
  explicit FixtureEventSource(std::string path) : path_(std::move(path)) {}

  // Empty when the file reads as a fixture, else why not: "FILE:LINE: reason"
  // or "FILE: cannot be read".
  static std::string Problem(const std::string& path);
  // A fixture held in memory; throws EFixtureError naming `name` and the line.
  static ListedEventSource FromText(const std::string& text, const std::string& name);
  // Whether every line of the text reads as an event, a comment or a blank.
  static bool ReadsAsFixture(std::string_view text);

  // Cannot be opened when the file cannot be read or holds a malformed line.
  bool OpenSystemLog() override;
  // False at the end; also when the file changed under the read and no longer parses.
  bool ReadNextEvent(TLogEvent& event) override;

 private:
  std::string path_;
  std::ifstream file_;
  std::string line_;
  int number_ = 0;
};

// A fixture's events told as session events, as a saved Windows log is; one
// held in memory throws EFixtureError as FromText does.
std::unique_ptr<SessionSource> OpenFixtureLog(const std::string& path);
std::unique_ptr<SessionSource> FixtureLogFromText(const std::string& text, const std::string& name);
