#include "gfx/bitmap.h"

#include <algorithm>

namespace gfx {

TBitmap::TBitmap(int width, int height, std::uint32_t fill) {
  SetSize(width, height, fill);
}

void TBitmap::SetSize(int width, int height, std::uint32_t fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  data_.assign(static_cast<std::size_t>(width_) * height_, fill);
}

void TBitmap::Fill(std::uint32_t px) {
  std::fill(data_.begin(), data_.end(), px);
}

std::uint32_t TBitmap::Get(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    return 0;
  }
  return At(x, y);
}

void TBitmap::Put(int x, int y, std::uint32_t px) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    return;
  }
  Set(x, y, px);
}

void TBitmap::CopyFrom(const TBitmap& src, const TRect& srcRect, int x, int y) {
  TRect s = srcRect.Intersect(src.BoundsRect());
  // Keep the destination offset of what survived the source clip.
  x += s.Left - srcRect.Left;
  y += s.Top - srcRect.Top;
  const TRect d = TRect{x, y, x + s.Width(), y + s.Height()}.Intersect(BoundsRect());
  if (d.IsEmpty()) {
    return;
  }
  const int sx = s.Left + (d.Left - x);
  const int sy = s.Top + (d.Top - y);
  for (int row = 0; row < d.Height(); ++row) {
    const std::uint32_t* from = src.Scanline(sy + row) + sx;
    std::copy(from, from + d.Width(), Scanline(d.Top + row) + d.Left);
  }
}

TBitmap TBitmap::Crop(const TRect& rect) const {
  const TRect r = rect.Intersect(BoundsRect());
  TBitmap out(r.Width(), r.Height());
  out.CopyFrom(*this, r, 0, 0);
  out.SetHasAlpha(hasAlpha_);
  return out;
}

namespace {
TPngCodec* g_codec = nullptr;
constexpr const char* kNoCodec = "no PNG codec installed";
}  // namespace

void SetPngCodec(TPngCodec* codec) {
  g_codec = codec;
}
TPngCodec* PngCodec() {
  return g_codec;
}

bool LoadPng(const std::string& path, TBitmap& out, std::string* error) {
  if (g_codec == nullptr) {
    if (error != nullptr) {
      *error = kNoCodec;
    }
    return false;
  }
  return g_codec->Load(path, out, error);
}

bool SavePng(const std::string& path, const TBitmap& image, std::string* error) {
  if (g_codec == nullptr) {
    if (error != nullptr) {
      *error = kNoCodec;
    }
    return false;
  }
  return g_codec->Save(path, image, error);
}

}  // namespace gfx
