// Renders the program's icon from its artwork: the executable's .ico file, or
// one square PNG for the Linux icon theme.
//   dorvex-icon --ico platform/win32/resources/dorvex.ico
//   dorvex-icon --png SIZE OUT.png
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/command_line.h"
#include "gfx/bitmap.h"
#include "linux_gfx.h"
#include "platform/win32/icon_file.h"
#include "platform/win32/resources/program_icon.h"
#include "resources/artwork.h"
#include "tools/common/number_option.h"

namespace {

constexpr int kLargestPng = 1024;

const TProgramUsage kProgram{
    "dorvex-icon", "Draws the program's icon: the executable's icon file, or one square PNG.",
    "usage: dorvex-icon --ico OUT.ico\n"
    "       dorvex-icon --png SIZE OUT.png   (SIZE 1 to " +
        std::to_string(kLargestPng) + ")\n"};

int Usage(const std::string& why) {
  return UsageError(kProgram, why);
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
    return Usage(problem);
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
  if (int status = 0; argc == 2 && AnswersStandardOption(kProgram, mode, status)) {
    return status;
  }
  if (mode == "--ico" && argc == 3) {
    return WriteIco(argv[2]);
  }
  if (mode == "--png" && argc == 4) {
    return WritePng(argv[2], argv[3]);
  }
  if (mode != "--ico" && mode != "--png" && !mode.empty()) {
    return Usage("unknown option '" + mode + "'");
  }
  return Usage("wrong arguments");
}
