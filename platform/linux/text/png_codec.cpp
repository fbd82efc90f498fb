#include <fcntl.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include "linux_gfx.h"

namespace platform_linux {

namespace {

void OnPngError(png_structp png, png_const_charp message) {
  *static_cast<std::string*>(png_get_error_ptr(png)) = message;
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void WriteBytes(png_structp png, png_bytep data, png_size_t length) {
  FILE* file = static_cast<FILE*>(png_get_io_ptr(png));
  if (std::fwrite(data, 1, length, file) != length) {
    png_error(png, std::strerror(errno));
  }
}

void FlushBytes(png_structp png) {
  if (std::fflush(static_cast<FILE*>(png_get_io_ptr(png))) != 0) {
    png_error(png, std::strerror(errno));
  }
}

// 8-bit RGBA when the image has alpha, else RGB with the alpha byte left out.
// No C++ object is made between setjmp and a longjmp back to it.
bool WritePng(FILE* file, const gfx::TBitmap& bmp, std::string& error) {
  std::vector<png_bytep> rows(static_cast<std::size_t>(bmp.Height()));
  for (int y = 0; y < bmp.Height(); ++y) {
    // libpng takes non-const rows but only reads them when writing.
    rows[y] = reinterpret_cast<png_bytep>(const_cast<std::uint32_t*>(bmp.Scanline(y)));
  }
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, OnPngError, OnPngWarning);
  if (png == nullptr) {
    error = "out of memory";
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    error = "out of memory";
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, file, WriteBytes, FlushBytes);
  png_set_IHDR(png, info, static_cast<png_uint_32>(bmp.Width()),
               static_cast<png_uint_32>(bmp.Height()), 8,
               bmp.HasAlpha() ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
  png_write_info(png, info);
  if (!bmp.HasAlpha()) {
    png_set_filler(png, 0, PNG_FILLER_AFTER);
  }
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

// Where a PNG goes. A path with nothing there gets a new file, which is
// removed again if the write fails; anything else (a file, a device, a pipe,
// the target of a link) is written in place and never removed or replaced.
class TOutputFile {
 public:
  bool Open(const std::string& path, std::string& error) {
    path_ = path;
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    created_ = fd >= 0;
    if (fd < 0 && errno == EEXIST) {
      fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    }
    if (fd < 0 || (created_ && ::fstat(fd, &made_) != 0)) {
      error = std::strerror(errno);
      if (fd >= 0) {
        ::close(fd);
      }
      return false;
    }
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
      error = std::strerror(errno);
      ::close(fd);
      return false;
    }
    return true;
  }

  FILE* File() const { return file_; }

  // Closes the file; a failed close is a failed write.
  bool Close(bool written, std::string& error) {
    if (std::fflush(file_) != 0 || std::ferror(file_) != 0) {
      if (written) {
        error = std::strerror(errno);
      }
      written = false;
    }
    if (std::fclose(file_) != 0 && written) {
      error = std::strerror(errno);
      written = false;
    }
    file_ = nullptr;
    struct stat now;
    // Only the very file made here, still at the path, is taken away.
    if (!written && created_ && ::lstat(path_.c_str(), &now) == 0 && S_ISREG(now.st_mode) &&
        now.st_dev == made_.st_dev && now.st_ino == made_.st_ino) {
      ::unlink(path_.c_str());
    }
    return written;
  }

 private:
  std::string path_;
  FILE* file_ = nullptr;
  bool created_ = false;
  struct stat made_ = {};
};

class TLibpngCodec : public gfx::TPngCodec {
 public:
  bool Load(const std::string& path, gfx::TBitmap& out, std::string* error) override {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
      return Fail(image, error);
    }
    if (std::int64_t{image.width} * image.height > gfx::kMaxImagePixels) {
      png_image_free(&image);
      return Report(error, "image too large");
    }
    const bool alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_RGBA;
    gfx::TBitmap bmp(static_cast<int>(image.width), static_cast<int>(image.height));
    if (png_image_finish_read(&image, nullptr, bmp.Pixels().data(), 0, nullptr) == 0) {
      return Fail(image, error);
    }
    bmp.SetHasAlpha(alpha);
    out = std::move(bmp);
    return true;
  }

  bool Save(const std::string& path, const gfx::TBitmap& bmp, std::string* error) override {
    if (bmp.IsEmpty()) {
      return Report(error, "empty image");
    }
    std::string why;
    TOutputFile out;
    if (!out.Open(path, why)) {
      return Report(error, why);
    }
    const bool written = WritePng(out.File(), bmp, why);
    if (!out.Close(written, why)) {
      return Report(error, why);
    }
    return true;
  }

 private:
  static bool Report(std::string* error, const std::string& message) {
    if (error != nullptr) {
      *error = message;
    }
    return false;
  }
  static bool Fail(png_image& image, std::string* error) {
    Report(error, image.message[0] != '\0' ? image.message : "PNG error");
    png_image_free(&image);
    return false;
  }
};

}  // namespace

gfx::TPngCodec& LibpngCodec() {
  static TLibpngCodec codec;
  return codec;
}

}  // namespace platform_linux
