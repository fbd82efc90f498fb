// Writes the executable's icon file from the program's artwork:
//   dorvex_icon_tool platform/win32/resources/dorvex.ico
#include <cstdio>
#include <fstream>

#include "platform/win32/icon_file.h"
#include "platform/win32/resources/program_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.ico\n", argv[0]);
    return 2;
  }
  const auto bytes = platform_win32::BuildIconFile(platform_win32::ProgramIconImages());
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
