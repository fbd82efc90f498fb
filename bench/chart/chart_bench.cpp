// Paint of the running-hours chart at the design size.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "chart/boot_chart.h"
#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#ifdef DORVEX_LINUX_GFX
#include "platform/linux/text/linux_gfx.h"
#endif

namespace {

// A chart as the program shows it: n boots, up to 14 hours each, about two a
// day so that neighbouring labels repeat now and then.
void Fill(TChart& chart, int n) {
#ifdef DORVEX_LINUX_GFX
  static bool installed = (platform_linux::InstallLinuxGfx(), true);
  (void)installed;
#endif
  SetupBootChart(chart);
  chart.SetBounds(0, 0, 669, 328);
  std::mt19937 random(42);
  std::uniform_real_distribution<double> hours(0, 14);
  TChartSeries& series = chart.Series(0);
  for (int i = 0; i < n; ++i) {
    int day = i / 2;
    char label[32];
    std::snprintf(label, sizeof label, "%04d-%02d-%02d", 2000 + day / 336, 1 + day / 28 % 12,
                  1 + day % 28);
    series.Add(hours(random), label);
  }
}

void BM_FullRepaint(benchmark::State& state) {
  TChart chart;
  Fill(chart, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    chart.Repaint();
    chart.UpdateImage();
    benchmark::DoNotOptimize(chart.Image().Pixels().data());
  }
}
BENCHMARK(BM_FullRepaint)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// A refresh: the series refilled with the same boots, then a paint that
// measures every label anew.
void BM_RefillAndRepaint(benchmark::State& state) {
  TChart chart;
  int n = static_cast<int>(state.range(0));
  Fill(chart, n);
  TChartSeries& series = chart.Series(0);
  std::vector<double> values;
  std::vector<std::string> labels;
  for (int i = 0; i < n; ++i) {
    values.push_back(series.YValue(i));
    labels.push_back(series.PointLabel(i));
  }
  for (auto _ : state) {
    series.Clear();
    for (int i = 0; i < n; ++i) {
      series.Add(values[static_cast<size_t>(i)], labels[static_cast<size_t>(i)]);
    }
    chart.UpdateImage();
    benchmark::DoNotOptimize(chart.Image().Pixels().data());
  }
}
BENCHMARK(BM_RefillAndRepaint)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_UnchangedRepaint(benchmark::State& state) {
  TChart chart;
  Fill(chart, 1000);
  gfx::TBitmap screen(669, 328);
  gfx::TCanvas canvas(screen);
  chart.Paint(canvas);
  for (auto _ : state) {
    chart.Paint(canvas);
    benchmark::DoNotOptimize(screen.Pixels().data());
  }
  state.counters["redraws"] = static_cast<double>(chart.RedrawCount());
}
BENCHMARK(BM_UnchangedRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
