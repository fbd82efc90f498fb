#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "bootlog/listed_source.h"

// A malformed fixture: the message names the file and the line.
class EFixtureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Events from a text file, one per line, newest first: "CODE TIME [USER]".
// CODE is the decimal 32-bit event identifier, TIME the seconds since
// 1970-01-01 UTC, USER the rest of the line after one blank (absent: the
// lookup fails). Blank lines and lines starting with '#' are skipped.
class FixtureEventSource : public ListedEventSource {
 public:
  // Reads the whole fixture or throws EFixtureError; nothing is half-read.
  static FixtureEventSource FromFile(const std::string& path);
  static FixtureEventSource FromText(const std::string& text, const std::string& name);
  explicit FixtureEventSource(std::vector<TLogEvent> events)
      : ListedEventSource(std::move(events)) {}

  bool OpenSystemLog() override;
};
