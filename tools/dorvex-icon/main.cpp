// Renders the program's icon from its artwork: the executable's .ico file, or
// one square PNG for the Linux icon theme.
//   dorvex-icon --ico platform/win32/resources/dorvex.ico
//   dorvex-icon --png SIZE OUT.png
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "gfx/bitmap.h"
#include "linux_gfx.h"
#include "platform/win32/icon_file.h"
#include "platform/win32/resources/program_icon.h"
#include "resources/artwork.h"
#include "tools/common/number_option.h"

namespace {

constexpr int kLargestPng = 1024;

int Usage(const char* why) {
  std::fprintf(stderr,
               "dorvex-icon: %s\n"
               "usage: dorvex-icon --ico OUT.ico\n"
               "       dorvex-icon --png SIZE OUT.png   (SIZE 1 to %d)\n",
               why, kLargestPng);
  return 2;
}

int WriteIco(const std::string& path) {
  const auto bytes = platform_win32::BuildIconFile(platform_win32::ProgramIconImages());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "dorvex-icon: cannot write %s\n", path.c_str());
    return 1;
  }
  return 0;
}

int WritePng(const std::string& sizeText, const std::string& path) {
  int64_t size = 0;
  std::string problem;
  if (!ParseNumberOption("SIZE", sizeText, 1, kLargestPng, size, problem)) {
    return Usage(problem.c_str());
  }
  platform_linux::InstallLinuxGfx();
  std::string error;
  if (!gfx::SavePng(path, artwork::ProgramIcon(static_cast<int>(size)), &error)) {
    std::fprintf(stderr, "dorvex-icon: cannot write '%s': %s\n", path.c_str(), error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "--ico" && argc == 3) {
    return WriteIco(argv[2]);
  }
  if (mode == "--png" && argc == 4) {
    return WritePng(argv[2], argv[3]);
  }
  return Usage("wrong arguments");
}
