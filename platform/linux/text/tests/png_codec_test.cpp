#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "gfx/image_list.h"
#include "linux_gfx.h"

namespace {

std::string TempPath(const char* name) {
  return std::string(::testing::TempDir()) + "dorvex_" + std::to_string(::getpid()) + "_" + name;
}

gfx::TBitmap Pattern(int w, int h, bool alpha) {
  gfx::TBitmap bmp(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::uint32_t a = alpha ? static_cast<std::uint32_t>((x * 40 + y * 7) & 0xFF) : 0xFF;
      bmp.Set(x, y, gfx::MakeColor(x * 30, y * 20, (x ^ y) * 9) | (a << 24));
    }
  }
  bmp.SetHasAlpha(alpha);
  return bmp;
}

TEST(LibpngCodec, OpaqueImageRoundTrips) {
  gfx::TPngCodec& codec = platform_linux::LibpngCodec();
  const std::string path = TempPath("rgb.png");
  gfx::TBitmap src = Pattern(7, 5, false);
  src.Set(0, 0, gfx::MakeColor(1, 2, 3));  // no alpha byte: still written opaque
  std::string error;
  ASSERT_TRUE(codec.Save(path, src, &error)) << error;
  gfx::TBitmap back;
  ASSERT_TRUE(codec.Load(path, back, &error)) << error;
  EXPECT_FALSE(back.HasAlpha());
  ASSERT_EQ(back.Width(), 7);
  ASSERT_EQ(back.Height(), 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) {
      EXPECT_EQ(back.At(x, y), src.At(x, y) | gfx::kOpaque);
    }
  }
  std::remove(path.c_str());
}

TEST(LibpngCodec, AlphaRoundTripsAndFeedsAnImageList) {
  gfx::TPngCodec& codec = platform_linux::LibpngCodec();
  const std::string path = TempPath("rgba.png");
  const gfx::TBitmap src = Pattern(32, 16, true);
  ASSERT_TRUE(codec.Save(path, src, nullptr));
  gfx::TBitmap back;
  ASSERT_TRUE(codec.Load(path, back, nullptr));
  EXPECT_TRUE(back.HasAlpha());
  EXPECT_EQ(back, src);

  gfx::SetPngCodec(&codec);
  gfx::TImageList list(16, 16);
  EXPECT_EQ(list.AddPngStrip(path), 2);
  EXPECT_EQ(list.Image(1).At(0, 0), src.At(16, 0));
  gfx::TImageList wrong(32, 32);
  std::string error;
  EXPECT_EQ(wrong.AddPngStrip(path, &error), -1);
  EXPECT_EQ(error, "image strip has the wrong size");
  gfx::SetPngCodec(nullptr);
  std::remove(path.c_str());
}

TEST(LibpngCodec, FailuresAreReported) {
  gfx::TPngCodec& codec = platform_linux::LibpngCodec();
  gfx::TBitmap bmp(3, 3);
  const gfx::TBitmap before = bmp;
  std::string error;
  EXPECT_FALSE(codec.Load("/nonexistent/dir/none.png", bmp, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(bmp, before);

  const std::string notPng = TempPath("not.png");
  FILE* f = std::fopen(notPng.c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fputs("this is not a picture", f);
  std::fclose(f);
  error.clear();
  EXPECT_FALSE(codec.Load(notPng, bmp, &error));
  EXPECT_FALSE(error.empty());
  std::remove(notPng.c_str());

  error.clear();
  EXPECT_FALSE(codec.Save("/nonexistent/dir/out.png", bmp, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(codec.Save(TempPath("empty.png"), gfx::TBitmap(), &error));
  EXPECT_EQ(error, "empty image");
}

// A folder of the test's own, removed with everything in it.
class PngOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = std::string(::testing::TempDir()) + "dorvex_png.XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Path(const char* name) const { return dir_ + "/" + name; }
  static void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static bool IsSymlinkTo(const std::string& path, const std::string& target) {
    std::error_code ec;
    return std::filesystem::is_symlink(path, ec) &&
           std::filesystem::read_symlink(path, ec) == target;
  }
  // Saves with writes beyond `bytes` failing, in a child process; the child
  // prints the error and exits 0 when the save failed.
  static void SaveFailsPast(int bytes, const std::string& path, const gfx::TBitmap& image) {
    EXPECT_EXIT(SaveWithFileSizeLimit(bytes, path, image), ::testing::ExitedWithCode(0),
                "File too large");
  }
  [[noreturn]] static void SaveWithFileSizeLimit(int bytes, const std::string& path,
                                                 const gfx::TBitmap& image) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::string error;
    const bool saved = platform_linux::LibpngCodec().Save(path, image, &error);
    std::fprintf(stderr, "%s\n", error.c_str());
    std::_Exit(saved ? 1 : 0);
  }

  std::string dir_;
};

TEST_F(PngOutput, ASymlinkIsWrittenThroughAndKept) {
  WriteText(Path("real.png"), "old");
  ASSERT_EQ(symlink("real.png", Path("link.png").c_str()), 0);
  const gfx::TBitmap image = Pattern(6, 4, false);
  std::string error;
  ASSERT_TRUE(platform_linux::LibpngCodec().Save(Path("link.png"), image, &error)) << error;
  EXPECT_TRUE(IsSymlinkTo(Path("link.png"), "real.png"));
  gfx::TBitmap back;
  ASSERT_TRUE(platform_linux::LibpngCodec().Load(Path("real.png"), back, &error)) << error;
  EXPECT_EQ(back.Width(), 6);
  EXPECT_EQ(back.At(5, 3), image.At(5, 3) | gfx::kOpaque);
}

TEST_F(PngOutput, AFailedWriteLeavesALinkAndItsTargetInPlace) {
  WriteText(Path("real.png"), "old picture");
  ASSERT_EQ(symlink("real.png", Path("link.png").c_str()), 0);
  SaveFailsPast(100, Path("link.png"), Pattern(64, 64, true));
  EXPECT_TRUE(IsSymlinkTo(Path("link.png"), "real.png"));
  EXPECT_TRUE(std::filesystem::is_regular_file(Path("real.png")));
}

TEST_F(PngOutput, AFailedWriteKeepsAFileThatWasThereAndRemovesOneItMade) {
  WriteText(Path("old.png"), "old picture");
  SaveFailsPast(100, Path("old.png"), Pattern(64, 64, false));
  EXPECT_TRUE(std::filesystem::is_regular_file(Path("old.png")));

  SaveFailsPast(100, Path("new.png"), Pattern(64, 64, false));
  EXPECT_FALSE(std::filesystem::exists(Path("new.png")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);  // old.png
}

TEST_F(PngOutput, APipeWhoseReaderLeavesIsKept) {
  const std::string fifo = Path("pipe.png");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // Opening the reading end waits for the writer, so the reader always sees
  // the start of the file and leaves long before the end of it.
  std::string head;
  std::thread reader([&] {
    const int fd = ::open(fifo.c_str(), O_RDONLY);
    char buf[8] = {};
    if (fd >= 0) {
      head.assign(buf, static_cast<size_t>(std::max<ssize_t>(0, ::read(fd, buf, sizeof buf))));
      ::close(fd);
    }
  });
  const auto oldPipe = std::signal(SIGPIPE, SIG_IGN);
  gfx::TBitmap noise(512, 512);
  for (std::uint32_t i = 0, v = 1; i < noise.Pixels().size(); ++i) {
    v = v * 1103515245u + 12345u;
    noise.Pixels()[i] = v;
  }
  std::string error;
  EXPECT_FALSE(platform_linux::LibpngCodec().Save(fifo, noise, &error));
  reader.join();
  std::signal(SIGPIPE, oldPipe);
  EXPECT_NE(error.find("Broken pipe"), std::string::npos) << error;
  EXPECT_EQ(head.substr(1, 3), "PNG");
  struct stat st;
  ASSERT_EQ(lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

std::string Be32(std::uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
          static_cast<char>(v)};
}

std::string Chunk(const std::string& type, const std::string& data) {
  const std::string body = type + data;
  std::uint32_t crc = 0xFFFFFFFF;
  for (unsigned char c : body) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) {
      crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
  }
  return Be32(static_cast<std::uint32_t>(data.size())) + body + Be32(~crc);
}

// A PNG file of the given size, 8-bit RGB, whose image data is missing: enough
// for a reader to learn how much memory the image would take.
std::string PngHeader(std::uint32_t width, std::uint32_t height) {
  return std::string("\x89PNG\r\n\x1a\n") +
         Chunk("IHDR", Be32(width) + Be32(height) + std::string("\x08\x02\0\0\0", 5)) +
         Chunk("IDAT", "") + Chunk("IEND", "");
}

TEST_F(PngOutput, PicturesOverTheSizeLimitAreNotLoaded) {
  WriteText(Path("huge.png"), PngHeader(10001, 10000));
  gfx::TBitmap bmp(2, 2);
  std::string error;
  EXPECT_FALSE(platform_linux::LibpngCodec().Load(Path("huge.png"), bmp, &error));
  EXPECT_EQ(error, "image too large");
  EXPECT_EQ(bmp.Width(), 2);
  // A small one passes the header and fails on the missing data.
  WriteText(Path("small.png"), PngHeader(100, 100));
  EXPECT_FALSE(platform_linux::LibpngCodec().Load(Path("small.png"), bmp, &error));
  EXPECT_NE(error, "image too large");
}

TEST_F(PngOutput, AFolderOrAMissingFolderIsRefused) {
  std::string error;
  EXPECT_FALSE(platform_linux::LibpngCodec().Save(dir_, Pattern(2, 2, false), &error));
  EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_directory(dir_));
  EXPECT_FALSE(
      platform_linux::LibpngCodec().Save(Path("none/x.png"), Pattern(2, 2, false), &error));
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;
}

}  // namespace
