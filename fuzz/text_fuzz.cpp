// UTF-8 text of any bytes measured and drawn with the FreeType engine: any
// font request, position, rectangle and DrawTextIn flags.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/check.h"
#include "gfx/canvas.h"
#include "platform/linux/text/freetype_engine.h"

namespace {

constexpr const char* kFontNames[] = {"Arial", "MS Sans Serif", "Verdana", "宋体", "NoSuchFont"};
constexpr unsigned kAllFlags = gfx::dtCenter | gfx::dtRight | gfx::dtVCenter | gfx::dtBottom |
                               gfx::dtWordBreak | gfx::dtSingleLine | gfx::dtExpandTabs |
                               gfx::dtNoClip | gfx::dtCalcRect | gfx::dtNoPrefix;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static platform_linux::TFreeTypeEngine engine;
  // Random code points at many sizes would grow the glyph cache without end.
  if (engine.CachedGlyphCount() > 20000) {
    engine.ClearCache();
  }
  FuzzedDataProvider in(data, size);
  gfx::TFont font;
  font.Name = in.PickValueInArray(kFontNames);
  font.Height = in.ConsumeIntegralInRange(-2, 48);
  font.Bold = in.ConsumeBool();
  font.Italic = in.ConsumeBool();
  font.Underline = in.ConsumeBool();
  font.Orientation = in.ConsumeBool() ? 900 : in.ConsumeIntegralInRange(-3600, 3600);
  const unsigned flags = in.ConsumeIntegral<unsigned>() & kAllFlags;
  const int x = in.ConsumeIntegralInRange(-100, 100);
  const int y = in.ConsumeIntegralInRange(-100, 100);
  gfx::TRect rect{in.ConsumeIntegralInRange(-50, 50), in.ConsumeIntegralInRange(-50, 50),
                  in.ConsumeIntegralInRange(-50, 100), in.ConsumeIntegralInRange(-50, 100)};
  const std::string text = in.ConsumeRemainingBytesAsString();

  gfx::TBitmap image(48, 32);
  gfx::TCanvas canvas(image);
  canvas.SetTextEngine(&engine);
  canvas.Font = font;

  const int width = canvas.TextWidth(text);
  gfx::TGlyphRun run;
  engine.Layout(font, text, run);
  FuzzCheck(run.Width == width, "measured and laid-out widths differ");
  FuzzCheck(canvas.TextExtent(text).Width == width, "extent differs from the width");
  FuzzCheck(canvas.TextHeight(text) == engine.Metrics(font).Height,
            "height is not the line height");
  canvas.DrawTextAt(x, y, text);
  canvas.TextRect(rect, x, y, text);
  canvas.DrawTextIn(text, rect, flags);
  return 0;
}
