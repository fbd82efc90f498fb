#include "chart/boot_chart.h"

#include <cstdio>

#include "bootlog/datetime.h"

using namespace gfx;

void SetupBootChart(TChart& chart) {
  chart.SetColor(clWhite);
  chart.SetBevelOuter(bvRaised);
  chart.SetBevelInner(bvNone);
  chart.SetView3D(false);

  auto series = std::make_unique<TBarSeries>();
  series->SetBarStyle(bsCilinder);
  series->SetColorEachPoint(true);
  series->Marks().SetVisible(false);
  series->SetBarBrush({clWhite, bsSolid});
  series->SetYValuesName("长条");
  chart.AddSeries(std::move(series));

  TChartAxisTitle title = chart.LeftAxis().Title();
  title.Caption = "(小时)";
  chart.LeftAxis().SetTitle(title);

  auto tip = std::make_unique<TMarksTipTool>();
  tip->SetStyle(smsLabelValue);
  chart.AddTool(std::move(tip));
}

TBarSeries& Series1(TChart& chart) {
  return dynamic_cast<TBarSeries&>(chart.Series(0));
}

TMarksTipTool& ChartTool1(TChart& chart) {
  return dynamic_cast<TMarksTipTool&>(*chart.Tools().front());
}

namespace {
// "yyyy-mm-dd" whatever the locale.
std::string StartDateText(TDateTime start) {
  TDateTimeParts parts = DecodeDateTime(start);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", parts.Year, parts.Month, parts.Day);
  return text;
}
}  // namespace

void FillBootChart(TChart& chart, const TBootTable& table) {
  TChartSeries& series = chart.Series(0);
  series.Clear();
  for (auto it = table.rbegin(); it != table.rend(); ++it) {
    if (it->StartTime > 0) {
      series.Add(it->RunSeconds / 3600.0, StartDateText(it->StartTime), clDefault);
    }
  }
}
