#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "chart/boot_chart.h"
#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "gfx/text.h"
#include "gfx/text_layout.h"
#include "ui/form.h"

// Chart1 configured as in the main window, on a window of its size, drawn
// with a given text engine (the deterministic box engine unless told otherwise).
struct ChartFixture {
  explicit ChartFixture(int width = 669, int height = 328,
                        gfx::TTextEngine* engine = &gfx::BoxTextEngine())
      : engine(engine), chart(*form.Add<TChart>()) {
    form.SetClientSize(width, height);
    SetupBootChart(chart);
    chart.SetTextEngine(engine);
    chart.SetBounds(0, 0, width, height);
    form.UpdateWindow();
  }

  TBarSeries& Series() { return Series1(chart); }

  // One bar per value, labelled 2024-03-01, 2024-03-02, ...
  void AddHours(const std::vector<double>& hours) {
    for (double h : hours) {
      Series().Add(h, DateLabel(Series().Count()));
    }
  }
  static std::string DateLabel(int index) {
    char text[32];
    std::snprintf(text, sizeof text, "2024-%02d-%02d", 3 + index / 28, 1 + index % 28);
    return text;
  }

  const gfx::TBitmap& Paint() {
    chart.UpdateImage();
    return chart.Image();
  }
  // Whether the chart asked the window for a repaint since the last call.
  bool Invalidated() {
    bool dirty = form.HasDirtyAreas();
    form.UpdateWindow();
    return dirty;
  }

  // Measurements in the chart font with the same engine.
  int FontHeight() { return gfx::MeasureText(*engine, ChartFont(), "W").Height; }
  int TextWidth(const std::string& text) {
    return gfx::MeasureText(*engine, ChartFont(), text).Width;
  }
  gfx::TColor Pixel(int x, int y) { return gfx::ColorOfPixel(chart.Image().At(x, y)); }

  gfx::TTextEngine* engine;
  TForm form;
  TChart& chart;
};
