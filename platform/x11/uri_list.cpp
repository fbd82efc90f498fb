#include "platform/x11/uri_list.h"

#include <cctype>
#include <sstream>

namespace x11 {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// Empty when an escape is broken.
std::string Unescaped(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    const int high = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low < 0) {
      return {};
    }
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) {
    return false;
  }
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) {
      return false;
    }
  }
  return true;
}

// The path of a file: URI on this computer, or empty.
std::string LocalPath(const std::string& uri, const std::string& hostName) {
  if (!StartsWithNoCase(uri, "file:")) {
    return {};
  }
  std::string rest = uri.substr(5);
  if (rest.rfind("//", 0) == 0) {
    const size_t slash = rest.find('/', 2);
    if (slash == std::string::npos) {
      return {};
    }
    const std::string host = rest.substr(2, slash - 2);
    if (!host.empty() && host != "localhost" && host != hostName) {
      return {};
    }
    rest = rest.substr(slash);
  }
  // A query or fragment is not part of a file's name.
  rest = rest.substr(0, rest.find_first_of("?#"));
  const std::string path = Unescaped(rest);
  if (path.empty() || path[0] != '/' || path.find('\0') != std::string::npos) {
    return {};
  }
  return path;
}

}  // namespace

std::vector<std::string> LocalFilesOfUriList(const std::string& list, const std::string& hostName) {
  std::vector<std::string> files;
  std::istringstream in(list);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (line.empty() || line[0] == '#') {
      continue;
    }
    if (std::string path = LocalPath(line, hostName); !path.empty()) {
      files.push_back(std::move(path));
    }
  }
  return files;
}

}  // namespace x11
