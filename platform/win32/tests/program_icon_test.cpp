#include "platform/win32/resources/program_icon.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace platform_win32 {
namespace {

TEST(ProgramIcon, CarriesTheSizesOfTheExecutablesIcon) {
  const auto images = ProgramIconImages();
  ASSERT_EQ(images.size(), 5u);
  const int sizes[] = {16, 24, 32, 48, 32};
  for (std::size_t i = 0; i < images.size(); ++i) {
    EXPECT_EQ(images[i].Picture.Width(), sizes[i]);
    EXPECT_EQ(images[i].Picture.Height(), sizes[i]);
  }
  EXPECT_EQ(images[4].BitsPerPixel, 4);
}

// The icon file in the tree is generated; this fails when the artwork changed
// and the file was not regenerated (dorvex-icon --ico).
TEST(ProgramIcon, TheFileInTheTreeMatchesTheArtwork) {
  std::ifstream in(DORVEX_ICON_FILE, std::ios::binary);
  ASSERT_TRUE(in) << DORVEX_ICON_FILE;
  const std::vector<std::uint8_t> stored((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
  EXPECT_TRUE(stored == BuildIconFile(ProgramIconImages()))
      << "regenerate with: dorvex-icon --ico " << DORVEX_ICON_FILE;
}

}  // namespace
}  // namespace platform_win32
