#include <benchmark/benchmark.h>

#include "gfx/canvas.h"
#include "gfx/shading.h"

namespace {

// The chart's off-screen image: its client area of 673 x 475.
void BM_FillImage(benchmark::State& state) {
  gfx::TBitmap bmp(673, 475);
  gfx::TCanvas c(bmp);
  c.Brush.Color = gfx::clWhite;
  for (auto _ : state) {
    c.FillRect(bmp.BoundsRect());
    benchmark::DoNotOptimize(bmp.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * 673 * 475);
}
BENCHMARK(BM_FillImage);

void BM_FillImageClipped(benchmark::State& state) {
  gfx::TBitmap bmp(673, 475);
  gfx::TCanvas c(bmp);
  const gfx::TPoint tab[] = {{0, 475}, {0, 2}, {2, 0}, {671, 0}, {673, 2}, {673, 475}};
  c.PushClipPolygon(tab);
  for (auto _ : state) {
    c.FillRect(bmp.BoundsRect(), gfx::clBtnFace);
    benchmark::DoNotOptimize(bmp.Pixels().data());
  }
}
BENCHMARK(BM_FillImageClipped);

void BM_Gradient(benchmark::State& state) {
  gfx::TBitmap bmp(673, 60);
  gfx::TCanvas c(bmp);
  for (auto _ : state) {
    gfx::FillGradient(c, bmp.BoundsRect(), gfx::clWindow, gfx::Darken(gfx::clBtnFace, 10));
    benchmark::DoNotOptimize(bmp.Pixels().data());
  }
}
BENCHMARK(BM_Gradient);

// 1,000 one-pixel lines of assorted slopes across the image.
void BM_ThousandLines(benchmark::State& state) {
  gfx::TBitmap bmp(673, 475);
  gfx::TCanvas c(bmp);
  c.Pen.Color = gfx::clBlack;
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) {
      const int x = (i * 37) % 673;
      const int y = (i * 53) % 475;
      c.Line(x, y, 672 - x / 2, 474 - y / 3);
    }
    benchmark::DoNotOptimize(bmp.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_ThousandLines);

}  // namespace

BENCHMARK_MAIN();
