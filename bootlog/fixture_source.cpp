#include "bootlog/fixture_source.h"

#include <cstdint>
#include <fstream>
#include <sstream>

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

// Empty when the line is well formed, else why not.
std::string ParseLine(const std::string& line, TLogEvent& event) {
  size_t pos = 0;
  uint32_t code = 0;
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
  event.HasUserSid = true;
  event.UserSid = line.substr(pos + 1);
  return {};
}

}  // namespace

FixtureEventSource FixtureEventSource::FromText(const std::string& text, const std::string& name) {
  std::vector<TLogEvent> events;
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') {
      continue;
    }
    TLogEvent event;
    const std::string error = ParseLine(line, event);
    if (!error.empty()) {
      throw EFixtureError(name + ":" + std::to_string(number) + ": " + error);
    }
    events.push_back(std::move(event));
  }
  return FixtureEventSource(std::move(events));
}

FixtureEventSource FixtureEventSource::FromFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    throw EFixtureError(path + ": cannot be read");
  }
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) {
    throw EFixtureError(path + ": cannot be read");
  }
  return FromText(text.str(), path);
}

bool FixtureEventSource::OpenSystemLog() {
  Rewind();
  return true;
}
