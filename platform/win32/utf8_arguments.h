// main's narrow arguments are in the ANSI code page, which cannot hold every
// file name; the program takes them in UTF-8, as it holds every text.
#pragma once

#include <string>
#include <vector>

namespace platform_win32 {

// The command line's arguments in UTF-8, as main's argc and argv.
class TUtf8Arguments {
 public:
  TUtf8Arguments();
  int Count() const { return static_cast<int>(text_.size()); }
  char** Values() { return pointers_.data(); }

 private:
  std::vector<std::string> text_;
  std::vector<char*> pointers_;
};

}  // namespace platform_win32
