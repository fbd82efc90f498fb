#include "chart_dump.h"

#include <cstdio>

#include "chart/bar_series.h"

namespace {

std::string Number(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.15g", v);
  return text;
}

std::string Rect(const gfx::TRect& r) {
  return std::to_string(r.Left) + " " + std::to_string(r.Top) + " " + std::to_string(r.Right) +
         " " + std::to_string(r.Bottom);
}

}  // namespace

std::string ChartDump(TChart& chart) {
  std::string out;
  out += "margins " + Rect(chart.MarginRect()) + "\n";
  out += "plot " + Rect(chart.PlotRect()) + "\n";
  struct {
    const char* name;
    TChartAxis* axis;
  } axes[] = {{"bottom", &chart.BottomAxis()}, {"left", &chart.LeftAxis()}};
  for (const auto& a : axes) {
    out += std::string("axis ") + a.name + " " + Number(a.axis->CurrentMin()) + " " +
           Number(a.axis->CurrentMax()) + " " + std::to_string(a.axis->FirstPixel()) + " " +
           std::to_string(a.axis->LastPixel()) + " " + Number(a.axis->LabelStep()) + "\n";
  }
  for (const auto& a : axes) {
    for (const TAxisLabel& l : a.axis->DrawnLabels()) {
      out += std::string("label ") + a.name + " " + std::to_string(l.Pixel) + " " + l.Text + "\n";
    }
  }
  for (TChartSeries* s : chart.SeriesList()) {
    auto* bars = dynamic_cast<TBarSeries*>(s);
    if (bars == nullptr) {
      continue;
    }
    for (const TDrawnBar& b : bars->DrawnBars()) {
      char colour[8];
      gfx::TColor c = gfx::ColorToRGB(b.Color);
      std::snprintf(colour, sizeof colour, "%02X%02X%02X", gfx::RedOf(c), gfx::GreenOf(c),
                    gfx::BlueOf(c));
      out += "bar " + std::to_string(b.Index) + " " + Rect(b.Bounds) + " " + colour + "\n";
    }
  }
  out += "hint " + chart.Hint + "\n";
  return out;
}
