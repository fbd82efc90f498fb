// Runs dorvex-icon and reads back what it wrote.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "gfx/bitmap.h"
#include "linux_gfx.h"
#include "platform/win32/icon_file.h"
#include "platform/win32/resources/program_icon.h"
#include "resources/artwork.h"

namespace {

namespace fs = std::filesystem;

class IconTool : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_linux::InstallLinuxGfx();
    std::string pattern = (fs::temp_directory_path() / "dorvex-icon-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // The tool's exit status.
  int Run(const std::string& args) {
    const std::string cmd = std::string("\"") + DORVEX_ICON + "\" " + args + " 2>/dev/null";
    const int status = std::system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

 private:
  fs::path dir_;
};

TEST_F(IconTool, PngsAreTheArtworkAtEachThemeSize) {
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const std::string out = Path(std::to_string(size) + ".png");
    ASSERT_EQ(Run("--png " + std::to_string(size) + " " + out), 0) << size;
    gfx::TBitmap png;
    std::string error;
    ASSERT_TRUE(gfx::LoadPng(out, png, &error)) << error;
    EXPECT_TRUE(png.HasAlpha()) << size;
    const gfx::TBitmap art = artwork::ProgramIcon(size);
    ASSERT_EQ(png.Width(), size);
    ASSERT_EQ(png.Height(), size);
    EXPECT_TRUE(png.Pixels() == art.Pixels()) << size;
  }
}

TEST_F(IconTool, PngKeepsTheTransparentCornersAndTheOpaqueDisc) {
  const std::string out = Path("icon.png");
  ASSERT_EQ(Run("--png 64 " + out), 0);
  gfx::TBitmap png;
  ASSERT_TRUE(gfx::LoadPng(out, png));
  EXPECT_EQ(gfx::AlphaOf(png.At(0, 0)), 0);
  EXPECT_EQ(gfx::AlphaOf(png.At(63, 0)), 0);
  // Inside the disc's red quarter (upper right of its centre at 32, 20).
  EXPECT_EQ(gfx::AlphaOf(png.At(38, 14)), 255);
  EXPECT_EQ(gfx::ColorOfPixel(png.At(38, 14)), gfx::MakeColor(255, 0, 0));
}

TEST_F(IconTool, IcoIsTheExecutablesIconFile) {
  const std::string out = Path("dorvex.ico");
  ASSERT_EQ(Run("--ico " + out), 0);
  std::ifstream in(out, std::ios::binary);
  const std::vector<std::uint8_t> written((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
  EXPECT_TRUE(written == platform_win32::BuildIconFile(platform_win32::ProgramIconImages()));
}

TEST_F(IconTool, BadArgumentsWriteNothing) {
  const std::string out = Path("bad.png");
  for (const char* args :
       {"--png 0", "--png -16", "--png 16px", "--png 1025", "--png ''", "--svg 16", "--png"}) {
    EXPECT_EQ(Run(std::string(args) + " " + out), 2) << args;
    EXPECT_FALSE(fs::exists(out)) << args;
  }
  EXPECT_EQ(Run(""), 2);
  EXPECT_EQ(Run("--ico"), 2);
  EXPECT_EQ(Run("--png 16 " + out + " extra"), 2);
}

TEST_F(IconTool, UnwritablePlaceFails) {
  EXPECT_EQ(Run("--png 16 " + Path("missing/icon.png")), 1);
  EXPECT_EQ(Run("--ico " + Path("missing/dorvex.ico")), 1);
}

}  // namespace
