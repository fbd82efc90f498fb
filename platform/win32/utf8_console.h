// The tools write UTF-8; a console shows bytes in its own code page (936 on
// Chinese Windows), which would garble every Chinese text.
#pragma once

namespace platform_win32 {

// While it lives, a console on standard output or error shows UTF-8; the
// console's code page is put back after, since it outlives the program.
class TUtf8Console {
 public:
  TUtf8Console();
  ~TUtf8Console();
  TUtf8Console(const TUtf8Console&) = delete;
  TUtf8Console& operator=(const TUtf8Console&) = delete;

 private:
  unsigned oldCodePage_ = 0;  // 0: left as it was
};

}  // namespace platform_win32
