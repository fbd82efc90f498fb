// A list of same-sized images (32 x 32 or 16 x 16), each with alpha or a mask.
#pragma once

#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/color.h"

namespace gfx {

class TCanvas;

class TImageList {
 public:
  TImageList(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return static_cast<int>(images_.size()); }

  // Each returns the new index, or -1 when the image has the wrong size.
  // An image with HasAlpha is drawn blended; one without is opaque.
  int Add(const TBitmap& image);
  // Monochrome mask convention (see TCanvas::DrawMasked).
  int Add(const TBitmap& image, const TBitmap& mask);
  // Pixels of colour `transparent` are left out.
  int AddMasked(const TBitmap& image, TColor transparent);
  // A horizontal strip of Width()-wide images (PNG with alpha). Returns the
  // number added, or -1 when the file cannot be read or has the wrong height.
  int AddStrip(const TBitmap& strip);
  int AddPngStrip(const std::string& path, std::string* error = nullptr);
  void Clear() { images_.clear(); }

  // Draws image `index` with its top-left at (x, y); indices out of range
  // draw nothing. A disabled image is drawn greyed.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

  // The image as 32-bit with alpha (masked pixels have alpha 0).
  const TBitmap& Image(int index) const { return images_[index]; }

 private:
  int width_;
  int height_;
  std::vector<TBitmap> images_;
};

}  // namespace gfx
