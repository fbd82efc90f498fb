#pragma once

#include <filesystem>
#include <string>

// A file's name as the program holds it, UTF-8, as the file functions take it:
// on Windows the wide name, so that any name opens, whatever the ANSI code page.
inline std::filesystem::path FilePath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The other way: a path's text in UTF-8.
inline std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}
