#include "platform/win32/resources/program_icon.h"

#include "resources/artwork.h"

namespace platform_win32 {

std::vector<TIconImage> ProgramIconImages() {
  std::vector<TIconImage> images;
  for (int size : {16, 24, 32, 48}) {
    images.push_back({artwork::ProgramIcon(size), 32});
  }
  images.push_back({artwork::ProgramIcon(32), 4});
  return images;
}

}  // namespace platform_win32
