#include "ui/error_handler.h"

#include <cstdint>

namespace {

// Code point of the last UTF-8 character (bytes that do not form one count as such).
uint32_t LastCodePoint(const std::string& s) {
  size_t i = s.size() - 1;
  while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80 && s.size() - i < 4) {
    --i;
  }
  auto lead = static_cast<unsigned char>(s[i]);
  if (lead < 0x80 || i == s.size() - 1) {
    return lead;
  }
  uint32_t cp = lead & (lead >= 0xF0 ? 0x07 : lead >= 0xE0 ? 0x0F : 0x1F);
  for (size_t k = i + 1; k < s.size(); ++k) {
    cp = (cp << 6) | (s[k] & 0x3F);
  }
  return cp;
}

}  // namespace

std::string ErrorMessageText(const std::string& message) {
  if (message.empty() || LastCodePoint(message) <= '.') {
    return message;
  }
  return message + ".";
}

std::string TitleFromProgramPath(const std::string& path) {
  size_t slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  name = name.substr(0, name.find('.'));
  for (size_t i = 1; i < name.size(); ++i) {
    if (name[i] >= 'A' && name[i] <= 'Z') {
      name[i] = static_cast<char>(name[i] - 'A' + 'a');
    }
  }
  return name;
}
