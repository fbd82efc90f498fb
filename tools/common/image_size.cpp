#include "tools/common/image_size.h"

#include "gfx/bitmap.h"

std::string ImageSizeProblem(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0 || height <= gfx::kMaxImagePixels / width) {
    return {};
  }
  return "the picture would be " + std::to_string(width) + " x " + std::to_string(height) +
         " pixels, over the " + std::to_string(gfx::kMaxImagePixels / 1000000) +
         " million a tool makes";
}
