#include "bootlog/fixture_source.h"

#include <cstdint>
#include <sstream>
#include <vector>

#include "bootlog/file_path.h"
#include "bootlog/windows_sessions.h"

namespace {

// Reads a decimal number that fits 32 bits; advances pos past it.
bool ReadUint32(const std::string& line, size_t& pos, uint32_t& out) {
  uint64_t value = 0;
  const size_t start = pos;
  while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') {
    value = value * 10 + static_cast<unsigned>(line[pos] - '0');
    if (value > UINT32_MAX) {
      return false;
    }
    ++pos;
  }
  out = static_cast<uint32_t>(value);
  return pos > start;
}

// "[SOURCE] " at the start of a line; pos is left on the code.
std::string ParseSource(const std::string& line, size_t& pos, TLogEvent& event) {
  const size_t close = line.find(']', 1);
  if (close == std::string::npos) {
    return "expected a ']' after the source name";
  }
  if (close == 1) {
    return "expected a source name between '[' and ']'";
  }
  event.SourceName.assign(line, 1, close - 1);
  pos = close + 1;
  if (pos >= line.size() || line[pos] != ' ') {
    return "expected a blank after the source name";
  }
  while (pos < line.size() && line[pos] == ' ') {
    ++pos;
  }
  return {};
}

// The rest of the line from pos, split at every '|'.
void SplitValues(const std::string& line, size_t pos, std::vector<std::string>& values) {
  for (;;) {
    const size_t bar = line.find('|', pos);
    values.emplace_back(line, pos, bar == std::string::npos ? std::string::npos : bar - pos);
    if (bar == std::string::npos) {
      return;
    }
    pos = bar + 1;
  }
}

// Empty when the line is well formed, else why not.
std::string ParseLine(const std::string& line, TLogEvent& event) {
  size_t pos = 0;
  uint32_t code = 0;
  event.SourceName.clear();
  event.Strings.clear();
  if (line[0] == '[') {
    if (std::string why = ParseSource(line, pos, event); !why.empty()) {
      return why;
    }
  }
  if (!ReadUint32(line, pos, code)) {
    return "expected an event code (decimal, 32 bits)";
  }
  if (pos >= line.size() || line[pos] != ' ') {
    return "expected a blank after the event code";
  }
  while (pos < line.size() && line[pos] == ' ') {
    ++pos;
  }
  if (!ReadUint32(line, pos, event.TimeGenerated)) {
    return "expected a time (decimal seconds since 1970, 32 bits)";
  }
  event.EventCode = static_cast<uint16_t>(code & 0xFFFF);
  event.HasUserSid = false;
  event.UserSid.clear();
  if (pos == line.size()) {
    return {};
  }
  if (line[pos] != ' ') {
    return "expected a blank after the time";
  }
  if (!event.SourceName.empty()) {
    ++pos;
    if (pos < line.size() && line[pos] == '<') {
      const size_t close = line.find('>', pos);
      if (close == std::string::npos) {
        return "expected a '>' after the SID";
      }
      event.HasUserSid = true;
      event.UserSid.assign(line, pos + 1, close - pos - 1);
      pos = close + 1;
      if (pos < line.size() && line[pos] != ' ') {
        return "expected a blank after the SID";
      }
      ++pos;
    }
    if (pos < line.size()) {
      SplitValues(line, pos, event.Strings);
    }
    return {};
  }
  event.HasUserSid = true;
  event.UserSid.assign(line, pos + 1);
  return {};
}

// The next event of the text, skipping blank and comment lines. False at the
// end, or at a malformed line with `why` set; `number` counts the lines read.
bool NextEvent(std::istream& in, std::string& line, int& number, TLogEvent& event,
               std::string& why) {
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') {
      continue;
    }
    why = ParseLine(line, event);
    return why.empty();
  }
  return false;
}

}  // namespace

std::string FixtureEventSource::Problem(const std::string& path) {
  std::ifstream file(FilePath(path), std::ios::binary);
  if (!file) {
    return path + ": cannot be read";
  }
  std::string line, why;
  int number = 0;
  TLogEvent event;
  while (NextEvent(file, line, number, event, why)) {
  }
  if (!why.empty()) {
    return path + ":" + std::to_string(number) + ": " + why;
  }
  return file.bad() ? path + ": cannot be read" : "";
}

ListedEventSource FixtureEventSource::FromText(const std::string& text, const std::string& name) {
  std::vector<TLogEvent> events;
  std::istringstream in(text);
  std::string line, why;
  int number = 0;
  TLogEvent event;
  while (NextEvent(in, line, number, event, why)) {
    events.push_back(event);
  }
  if (!why.empty()) {
    throw EFixtureError(name + ":" + std::to_string(number) + ": " + why);
  }
  return ListedEventSource(std::move(events));
}

bool FixtureEventSource::ReadsAsFixture(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::string line, why;
  int number = 0;
  TLogEvent event;
  while (NextEvent(in, line, number, event, why)) {
  }
  return why.empty();
}

bool FixtureEventSource::OpenSystemLog() {
  file_.close();
  file_.clear();
  number_ = 0;
  if (!Problem(path_).empty()) {
    return false;
  }
  file_.open(FilePath(path_), std::ios::binary);
  return file_.is_open();
}

bool FixtureEventSource::ReadNextEvent(TLogEvent& event) {
  std::string why;
  if (file_.is_open() && NextEvent(file_, line_, number_, event, why)) {
    return true;
  }
  file_.close();
  return false;
}

std::unique_ptr<SessionSource> OpenFixtureLog(const std::string& path) {
  return std::make_unique<WindowsSessionSource>(std::make_unique<FixtureEventSource>(path));
}

std::unique_ptr<SessionSource> FixtureLogFromText(const std::string& text,
                                                  const std::string& name) {
  return std::make_unique<WindowsSessionSource>(
      std::make_unique<ListedEventSource>(FixtureEventSource::FromText(text, name)));
}
