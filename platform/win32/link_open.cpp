#include "platform/win32/link_open.h"

namespace platform_win32 {

std::string_view FileExtension(std::string_view target) {
  const std::size_t pos = target.find_last_of(".\\:");
  if (pos == std::string_view::npos || target[pos] != '.')
    return {};
  return target.substr(pos);
}

namespace {

bool IsHtm(std::string_view ext) {
  if (ext.size() != 4)
    return false;
  const char* want = ".htm";
  for (std::size_t i = 0; i < 4; ++i) {
    char c = ext[i];
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
    if (c != want[i])
      return false;
  }
  return true;
}

}  // namespace

bool OpenLinkTarget(TLinkShell& shell, const std::string& target) {
  if (target.empty())
    return false;
  if (shell.OpenVerb(target))
    return true;
  if (IsHtm(FileExtension(target)))
    shell.StartChooser("*.htm");
  return false;
}

}  // namespace platform_win32
