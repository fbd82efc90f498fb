// The boot chart on small images fed with any values (NaN, infinities,
// subnormals, huge) and driven by dorvex-chart's mouse actions, resizes and
// refills, repainted after each step with the real fonts.
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cstdint>
#include <limits>

#include "chart/boot_chart.h"
#include "chart_actions.h"
#include "fuzz/check.h"
#include "platform/linux/text/linux_gfx.h"

namespace {

// Small pictures and four steps an input keep the target above a thousand
// runs a second: a paint under the sanitizers costs about 0.15 ms, and more
// where wild values send the step search through hundreds of decades.
constexpr int kMaxWidth = 120;
constexpr int kMaxHeight = 72;
constexpr int kMaxBars = 40;
constexpr int kMaxSteps = 4;
constexpr int kDpis[] = {96, 96, 120, 144};

// Hours as boots give them, up to a badly wrong clock's 200,000.
double Hours(FuzzedDataProvider& in) {
  return in.ConsumeIntegralInRange(-1000, 1600000) / 8.0;
}

double WildValue(FuzzedDataProvider& in) {
  using limits = std::numeric_limits<double>;
  const double sign = in.ConsumeBool() ? -1.0 : 1.0;
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
      return limits::quiet_NaN();
    case 1:
      return sign * limits::infinity();
    case 2:
      return sign * limits::denorm_min() * in.ConsumeIntegral<uint32_t>();
    case 3:
      return sign * limits::max() / in.ConsumeIntegralInRange(1, 1000);
    case 4:
      return sign * 0.0;
    case 5:
      return Hours(in);
    case 6:
      return in.ConsumeFloatingPoint<double>();
    default:
      return std::bit_cast<double>(in.ConsumeIntegral<uint64_t>());
  }
}

// Mostly on or near the picture, sometimes anywhere an int reaches.
int Pixel(FuzzedDataProvider& in, int extent) {
  if (in.ConsumeIntegralInRange(0, 7) == 0) {
    return in.ConsumeIntegral<int>();
  }
  return in.ConsumeIntegralInRange(-16, extent + 16);
}

void FillValues(TChart& chart, FuzzedDataProvider& in) {
  TBarSeries& series = Series1(chart);
  series.Clear();
  // One wild value sets the range of the whole chart: a quarter of the fills
  // have them, the others keep ranges that boots have.
  const bool wild = in.ConsumeIntegralInRange(0, 3) == 0;
  const int count = in.ConsumeIntegralInRange(0, kMaxBars);
  for (int i = 0; i < count; ++i) {
    series.Add(wild ? WildValue(in) : Hours(in), "2024-03-" + std::to_string(10 + i % 20));
  }
}

// The refresh's own feed: boots from 1970 to 2106 with any running time.
void FillBoots(TChart& chart, FuzzedDataProvider& in) {
  TBootTable table(in.ConsumeIntegralInRange(0, kMaxBars));
  for (TBootRecord& boot : table) {
    boot.StartTime = in.ConsumeBool() ? 0.0 : 25569.0 + in.ConsumeIntegral<uint32_t>() / 86400.0;
    boot.RunSeconds = in.ConsumeIntegral<int32_t>();
  }
  FillBootChart(chart, table);
}

void Paint(TChart& chart) {
  chart.UpdateImage();
  FuzzCheck(!chart.IsImageStale(), "image stale after a paint");
  FuzzCheck(
      chart.Image().Width() == chart.Width() + 1 && chart.Image().Height() == chart.Height() + 1,
      "image not a pixel larger than the control");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool installed = (platform_linux::InstallLinuxGfx(), true);
  (void)installed;
  FuzzedDataProvider in(data, size);
  TChart chart;
  SetupBootChart(chart);
  // Sizes are in 96-dpi pixels and scale with the fonts, as in the tool.
  const int dpi = in.PickValueInArray(kDpis);
  const int maxWidth = kMaxWidth * 96 / dpi, maxHeight = kMaxHeight * 96 / dpi;
  chart.SetBounds(0, 0, in.ConsumeIntegralInRange(1, maxWidth),
                  in.ConsumeIntegralInRange(1, maxHeight));
  chart.ChangeScale(dpi, 96);
  FillValues(chart, in);
  Paint(chart);
  for (int step = 0; step < kMaxSteps && in.remaining_bytes() > 0; ++step) {
    const int w = chart.Width(), h = chart.Height();
    TChartAction action;
    switch (in.ConsumeIntegralInRange(0, 6)) {
      case 0:
        action.Kind = TChartAction::kMove;
        action.Values = {Pixel(in, w), Pixel(in, h)};
        ApplyChartAction(chart, action);
        break;
      case 1:
      case 2:
        // Rightwards zooms, leftwards undoes; left or right button.
        action.Kind = in.ConsumeBool() ? TChartAction::kDrag : TChartAction::kRightDrag;
        action.Values = {Pixel(in, w), Pixel(in, h), Pixel(in, w), Pixel(in, h)};
        ApplyChartAction(chart, action);
        break;
      case 3:
        // Now and then a thousand notches: the offsets add up as for the tool's 10,000.
        action.Kind = TChartAction::kWheel;
        action.Values = {in.ConsumeIntegralInRange(0, 15) == 0
                             ? in.ConsumeIntegralInRange(-1000, 1000)
                             : in.ConsumeIntegralInRange(-3, 3)};
        ApplyChartAction(chart, action);
        break;
      case 4:
        chart.SetBounds(0, 0, in.ConsumeIntegralInRange(1, kMaxWidth),
                        in.ConsumeIntegralInRange(1, kMaxHeight));
        break;
      case 5:
        FillValues(chart, in);
        break;
      default:
        FillBoots(chart, in);
        break;
    }
    Paint(chart);
  }
  return 0;
}
