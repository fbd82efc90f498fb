#include "gfx/image_list.h"

#include "gfx/canvas.h"

namespace gfx {

TImageList::TImageList(int width, int height) : width_(width), height_(height) {}

int TImageList::Add(const TBitmap& image) {
  if (image.Width() != width_ || image.Height() != height_) {
    return -1;
  }
  TBitmap copy = image;
  if (!copy.HasAlpha()) {
    for (std::uint32_t& px : copy.Pixels()) {
      px |= kOpaque;
    }
  }
  copy.SetHasAlpha(true);
  images_.push_back(std::move(copy));
  return Count() - 1;
}

int TImageList::Add(const TBitmap& image, const TBitmap& mask) {
  if (image.Width() != width_ || image.Height() != height_ || mask.Width() != width_ ||
      mask.Height() != height_) {
    return -1;
  }
  TBitmap copy = image;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const bool transparent = ColorOfPixel(mask.At(x, y)) != 0;
      copy.Set(x, y, transparent ? 0 : (copy.At(x, y) | kOpaque));
    }
  }
  copy.SetHasAlpha(true);
  images_.push_back(std::move(copy));
  return Count() - 1;
}

int TImageList::AddMasked(const TBitmap& image, TColor transparent) {
  if (image.Width() != width_ || image.Height() != height_) {
    return -1;
  }
  const TColor key = ColorToRGB(transparent);
  TBitmap copy = image;
  for (std::uint32_t& px : copy.Pixels()) {
    px = ColorOfPixel(px) == key ? 0 : (px | kOpaque);
  }
  copy.SetHasAlpha(true);
  images_.push_back(std::move(copy));
  return Count() - 1;
}

int TImageList::AddStrip(const TBitmap& strip) {
  if (strip.Height() != height_ || width_ <= 0 || strip.Width() % width_ != 0) {
    return -1;
  }
  const int n = strip.Width() / width_;
  for (int i = 0; i < n; ++i) {
    TBitmap one = strip.Crop({i * width_, 0, (i + 1) * width_, height_});
    one.SetHasAlpha(strip.HasAlpha());
    Add(one);
  }
  return n;
}

int TImageList::AddPngStrip(const std::string& path, std::string* error) {
  TBitmap strip;
  if (!LoadPng(path, strip, error)) {
    return -1;
  }
  const int n = AddStrip(strip);
  if (n < 0 && error != nullptr) {
    *error = "image strip has the wrong size";
  }
  return n;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) {
    return;
  }
  if (enabled) {
    canvas.DrawAlpha(x, y, images_[static_cast<std::size_t>(index)]);
  } else {
    canvas.DrawGreyed(x, y, images_[static_cast<std::size_t>(index)]);
  }
}

}  // namespace gfx
