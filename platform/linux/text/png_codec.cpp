#include <png.h>

#include <cstring>

#include "linux_gfx.h"

namespace platform_linux {

namespace {

class TLibpngCodec : public gfx::TPngCodec {
 public:
  bool Load(const std::string& path, gfx::TBitmap& out, std::string* error) override {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
      return Fail(image, error);
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
      if (error != nullptr) {
        *error = "empty image";
      }
      return false;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(bmp.Width());
    image.height = static_cast<png_uint_32>(bmp.Height());
    image.format = PNG_FORMAT_RGBA;
    const gfx::TBitmap* src = &bmp;
    gfx::TBitmap opaque;
    if (!bmp.HasAlpha()) {
      // Pixels drawn without alpha may carry any top byte: write them opaque.
      image.format = PNG_FORMAT_RGB;
      opaque = bmp;
      for (auto& px : opaque.Pixels()) {
        px |= gfx::kOpaque;
      }
      src = &opaque;
    }
    if (image.format == PNG_FORMAT_RGB) {
      std::vector<png_byte> rgb(static_cast<std::size_t>(bmp.Width()) * bmp.Height() * 3);
      std::size_t k = 0;
      for (std::uint32_t px : src->Pixels()) {
        rgb[k++] = static_cast<png_byte>(px & 0xFF);
        rgb[k++] = static_cast<png_byte>((px >> 8) & 0xFF);
        rgb[k++] = static_cast<png_byte>((px >> 16) & 0xFF);
      }
      if (png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) == 0) {
        return Fail(image, error);
      }
      return true;
    }
    if (png_image_write_to_file(&image, path.c_str(), 0, src->Pixels().data(), 0, nullptr) == 0) {
      return Fail(image, error);
    }
    return true;
  }

 private:
  static bool Fail(png_image& image, std::string* error) {
    if (error != nullptr) {
      *error = image.message[0] != '\0' ? image.message : "PNG error";
    }
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
