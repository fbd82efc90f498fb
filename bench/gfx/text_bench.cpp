#include <benchmark/benchmark.h>

#include "gfx/canvas.h"
#include "linux_gfx.h"

namespace {

// A 20-character label whose glyphs are already cached: the steady state of
// every repaint.
void BM_CachedLabel(benchmark::State& state) {
  gfx::TBitmap bmp(300, 40, gfx::PixelOf(gfx::clWhite));
  gfx::TCanvas c(bmp);
  c.SetTextEngine(&platform_linux::LinuxTextEngine());
  c.Font.Color = gfx::clBlack;
  const char* label = "2009-03-10 12:34:56 ";  // 20 characters
  c.DrawTextAt(2, 2, label);
  for (auto _ : state) {
    c.DrawTextAt(2, 2, label);
    benchmark::DoNotOptimize(bmp.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * 20);
}
BENCHMARK(BM_CachedLabel);

void BM_CachedChineseCaption(benchmark::State& state) {
  gfx::TBitmap bmp(300, 40, gfx::PixelOf(gfx::clWhite));
  gfx::TCanvas c(bmp);
  c.SetTextEngine(&platform_linux::LinuxTextEngine());
  c.Font.Color = gfx::clBlack;
  gfx::TRect r{0, 0, 76, 40};
  const char* caption = "\xE5\x88\xB7\xE6\x96\xB0(&R)";
  c.DrawTextIn(caption, r, gfx::dtWordBreak | gfx::dtCenter);
  for (auto _ : state) {
    gfx::TRect rr = r;
    c.DrawTextIn(caption, rr, gfx::dtWordBreak | gfx::dtCenter);
    benchmark::DoNotOptimize(bmp.Pixels().data());
  }
}
BENCHMARK(BM_CachedChineseCaption);

}  // namespace
