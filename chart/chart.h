#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/axis.h"
#include "chart/chart_tool.h"
#include "chart/hint_host.h"
#include "chart/number_format.h"
#include "chart/series.h"
#include "gfx/bitmap.h"
#include "gfx/canvas.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
enum TZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };
enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

struct TChartZoom {
  bool Allow = true;
  TMouseButton MouseButton = mbLeft;
  TShiftState KeyShift = 0;
  TZoomDirection Direction = tzdBoth;
  int32_t MinimumPixels = 16;
  bool UpLeftZooms = false;
  bool Animated = false;
  gfx::TColor PenColor = gfx::clWhite;
  int PenWidth = 1;
};

// A mouse drag in control pixels: start (X0, Y0), current (X1, Y1).
struct TChartDrag {
  bool Active = false;
  int32_t X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
};

struct TSavedScale {
  bool Automatic, AutomaticMinimum, AutomaticMaximum;
  double Minimum, Maximum;
};

// The chart control, flat, independent of any window system: it paints into
// a kept off-screen image and takes mouse calls in control pixels.
class TChart : public THintSource {
 public:
  TChart();
  ~TChart() override;
  TChart(const TChart&) = delete;
  TChart& operator=(const TChart&) = delete;

  // --- Size. A change requests a repaint.
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetSize(int32_t width, int32_t height);

  // --- Panel properties.
  gfx::TColor Color = gfx::clWhite;
  TPanelBevel BevelOuter = bvRaised;
  TPanelBevel BevelInner = bvNone;
  int32_t BevelWidth = 1;
  int32_t BorderWidth = 0;
  bool BorderPenVisible = false;
  int32_t BorderPenWidth = 1;
  int32_t MarginLeft = 3, MarginTop = 4, MarginRight = 3, MarginBottom = 4;
  bool MarginPercent = true;
  bool View3D = false;
  bool AxisVisible = true;
  bool AxisBehind = true;
  bool ClipPoints = true;
  bool BackWallVisible = true;
  gfx::TColor BackWallPenColor = gfx::clBlack;
  int32_t BackWallPenWidth = 1;
  TNumberSeparators NumberSeparators;

  // --- Axes, in the chart's order: bottom, top, left, right, two depth axes.
  TChartAxis& BottomAxis() { return *axes_[0]; }
  TChartAxis& TopAxis() { return *axes_[1]; }
  TChartAxis& LeftAxis() { return *axes_[2]; }
  TChartAxis& RightAxis() { return *axes_[3]; }
  const std::vector<TChartAxis*>& Axes() const { return axisList_; }
  bool IsAxisShown(const TChartAxis& axis) const;

  // --- Series and tools (owned by the chart).
  TChartSeries& AddSeries(std::unique_ptr<TChartSeries> series);
  const std::vector<TChartSeries*>& SeriesList() const { return seriesList_; }
  TChartSeries& Series(int index) { return *seriesList_[static_cast<size_t>(index)]; }
  TChartTool& AddTool(std::unique_ptr<TChartTool> tool);
  const std::vector<TChartTool*>& Tools() const { return toolList_; }

  // --- Hint, written by the hover tip; the facility it talks to.
  std::string Hint;
  bool ShowHint = false;
  THintHost* HintHost = nullptr;
  bool HintEnabled() const override { return ShowHint; }
  const std::string& HintText() const override { return Hint; }

  // --- Painting.
  // Marks the kept image stale and tells the host (OnInvalidate); ignored
  // while a paint runs or while AutoRepaint is off.
  void Repaint();
  bool AutoRepaint = true;
  std::function<void()> OnInvalidate;
  bool IsImageStale() const { return stale_; }
  // Brings the kept image up to date (redrawing only when stale) and copies
  // the client area to `screen` at (0, 0).
  void Paint(gfx::TCanvas& screen);
  // Redraws the kept image if stale; true when it did.
  bool UpdateImage();
  // The kept image, one pixel wider and taller than the client area.
  const gfx::TBitmap& Image() const { return image_; }
  int64_t RedrawCount() const { return redraws_; }
  void SetTextEngine(gfx::TTextEngine* engine) { engine_ = engine; }

  gfx::TRect PanelRect() const { return {0, 0, width_, height_}; }
  const gfx::TRect& PlotRect() const { return plot_; }
  // PlotRect of the last paint before the axes took their room.
  const gfx::TRect& MarginRect() const { return marginRect_; }
  void SetPlotRect(const gfx::TRect& r);
  // PlotRect from the panel size, bevels and margins.
  gfx::TRect CalcMarginRect() const;

  // --- Mouse (control pixels).
  TChartZoom Zoom;
  TPanningMode AllowPanning = pmBoth;
  TMouseButton ScrollMouseButton = mbRight;
  bool Zoomed = false;
  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  void MouseMove(TShiftState shift, int32_t x, int32_t y);
  void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  // One call per notch; down scrolls the values up.
  void MouseWheel(bool down);
  const TChartDrag& ZoomDrag() const { return zoom_; }
  const TChartDrag& ScrollDrag() const { return scroll_; }
  bool ScalesSaved() const { return saved_; }

  void ZoomRect(const gfx::TRect& rect);
  void UndoZoom();
  void SetMinMax(TChartAxis& axis, double a, double b);
  void ScrollAxis(TChartAxis& axis, double offset);

 private:
  void Redraw();
  void DrawBevels(gfx::TCanvas& canvas, gfx::TRect& r);
  void DrawZoomBand();
  void DrawZoomBand(gfx::TCanvas& canvas);
  void SaveScales();
  bool ClickedPart(int32_t x, int32_t y) const;
  void TellTools(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int32_t x,
                 int32_t y);

  int32_t width_ = 0, height_ = 0;
  std::vector<std::unique_ptr<TChartAxis>> axes_;
  std::vector<TChartAxis*> axisList_;
  std::vector<std::unique_ptr<TChartSeries>> series_;
  std::vector<TChartSeries*> seriesList_;
  std::vector<std::unique_ptr<TChartTool>> tools_;
  std::vector<TChartTool*> toolList_;

  gfx::TBitmap image_;
  gfx::TTextEngine* engine_ = nullptr;
  bool stale_ = true;
  bool painting_ = false;
  int64_t redraws_ = 0;
  gfx::TRect plot_;
  gfx::TRect marginRect_;

  TChartDrag zoom_;
  TChartDrag scroll_;
  bool saved_ = false;
  std::array<TSavedScale, 4> savedScales_{};
};
