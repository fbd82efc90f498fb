// A 32-bit image: one uint32 per pixel, 0xAABBGGRR (red in the lowest byte,
// as TColor, alpha in the top byte, not premultiplied). In memory on a
// little-endian machine the bytes are R, G, B, A, which is also PNG's order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/color.h"
#include "gfx/geometry.h"

namespace gfx {

constexpr std::uint32_t kOpaque = 0xFF000000;

// The largest image made, read or written: 100 million pixels (400 MB).
constexpr std::int64_t kMaxImagePixels = 100'000'000;

// Opaque pixel of an RGB colour (the colour must already be resolved).
constexpr std::uint32_t PixelOf(TColor rgb) {
  return (rgb & 0x00FFFFFF) | kOpaque;
}
constexpr TColor ColorOfPixel(std::uint32_t px) {
  return px & 0x00FFFFFF;
}
constexpr int AlphaOf(std::uint32_t px) {
  return static_cast<int>(px >> 24);
}

class TBitmap {
 public:
  TBitmap() = default;
  // Every pixel starts as `fill` (opaque black by default).
  TBitmap(int width, int height, std::uint32_t fill = kOpaque);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsEmpty() const { return width_ <= 0 || height_ <= 0; }
  TRect BoundsRect() const { return {0, 0, width_, height_}; }

  // Resizes and refills every pixel; negative sizes count as 0.
  void SetSize(int width, int height, std::uint32_t fill = kOpaque);
  void Fill(std::uint32_t px);

  // Whether the alpha channel means anything (images loaded with alpha,
  // image-list entries); drawing code uses it to pick copy or blend.
  bool HasAlpha() const { return hasAlpha_; }
  void SetHasAlpha(bool on) { hasAlpha_ = on; }

  // Unchecked access: callers keep 0 <= x < Width(), 0 <= y < Height().
  std::uint32_t* Scanline(int y) { return data_.data() + static_cast<std::size_t>(y) * width_; }
  const std::uint32_t* Scanline(int y) const {
    return data_.data() + static_cast<std::size_t>(y) * width_;
  }
  std::uint32_t At(int x, int y) const { return Scanline(y)[x]; }
  void Set(int x, int y, std::uint32_t px) { Scanline(y)[x] = px; }

  // Checked access: outside the image Get returns 0 and Put does nothing.
  std::uint32_t Get(int x, int y) const;
  void Put(int x, int y, std::uint32_t px);

  // Opaque copy of `src` (rect clipped to both images) to (x, y).
  void CopyFrom(const TBitmap& src, const TRect& srcRect, int x, int y);
  // A new image holding `rect` of this one (clipped to it).
  TBitmap Crop(const TRect& rect) const;

  const std::vector<std::uint32_t>& Pixels() const { return data_; }
  std::vector<std::uint32_t>& Pixels() { return data_; }

  friend bool operator==(const TBitmap&, const TBitmap&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  bool hasAlpha_ = false;
  std::vector<std::uint32_t> data_;
};

// PNG files. The codec is supplied by the platform (libpng on Linux, see
// platform/linux/text/linux_gfx.h); without one both calls fail with
// "no PNG codec installed".
class TPngCodec {
 public:
  virtual ~TPngCodec() = default;
  // Loads any PNG as 32-bit; sets HasAlpha when the file has transparency.
  virtual bool Load(const std::string& path, TBitmap& out, std::string* error) = 0;
  // Writes 8-bit RGBA when HasAlpha, else 8-bit RGB.
  virtual bool Save(const std::string& path, const TBitmap& image, std::string* error) = 0;
};

void SetPngCodec(TPngCodec* codec);
TPngCodec* PngCodec();

bool LoadPng(const std::string& path, TBitmap& out, std::string* error = nullptr);
bool SavePng(const std::string& path, const TBitmap& image, std::string* error = nullptr);

}  // namespace gfx
