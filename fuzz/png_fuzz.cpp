// PNG files of any content read with libpng; whatever loads is written with
// our writer and must read back to the same pixels.
#include "fuzz/check.h"
#include "fuzz/input_file.h"
#include "platform/linux/text/linux_gfx.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzInputFile file("input.png");
  gfx::TPngCodec& codec = platform_linux::LibpngCodec();
  gfx::TBitmap image;
  if (!codec.Load(file.Write(data, size), image, nullptr) || image.IsEmpty() ||
      int64_t{image.Width()} * image.Height() > 1000000) {
    return 0;
  }
  const std::string copy = file.Folder() + "/copy.png";
  std::string error;
  FuzzCheck(codec.Save(copy, image, &error), "a loaded picture cannot be written", error);
  gfx::TBitmap back;
  FuzzCheck(codec.Load(copy, back, &error), "a written picture cannot be read", error);
  FuzzCheck(back.HasAlpha() == image.HasAlpha() && back.Width() == image.Width() &&
                back.Height() == image.Height(),
            "written picture differs in kind or size");
  for (size_t i = 0; i < back.Pixels().size(); ++i) {
    const uint32_t want = image.HasAlpha() ? image.Pixels()[i] : image.Pixels()[i] | gfx::kOpaque;
    FuzzCheck(back.Pixels()[i] == want, "written picture differs in its pixels");
  }
  return 0;
}
