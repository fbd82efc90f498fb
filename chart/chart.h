#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/axis.h"
#include "chart/chart_tool.h"
#include "chart/number_format.h"
#include "chart/property.h"
#include "chart/series.h"
#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "ui/control.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
enum TMarginUnits { muPercent, muPixels };
enum TZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };
enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

struct TChartZoom {
  bool Allow = true;
  TMouseButton MouseButton = mbLeft;
  TShiftState KeyShift = 0;
  TZoomDirection Direction = tzdBoth;
  int32_t MinimumPixels = 16;
  bool UpLeftZooms = false;
  gfx::TColor PenColor = gfx::clWhite;
  int PenWidth = 1;
};

// A mouse drag in control pixels: start (X0, Y0), current (X1, Y1).
struct TChartDrag {
  bool Active = false;
  int32_t X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
};

// The chart control, flat. It paints into a kept off-screen image, redrawn
// only after a repaint request; size, mouse, capture, invalidation and the
// hint come from the control tree like any other control's.
class TChart : public TWinControl {
 public:
  TChart();
  ~TChart() override;

  // --- Panel properties; each change asks for a repaint.
  gfx::TColor Color() const { return color_; }
  void SetColor(gfx::TColor v) { SetProperty(*this, color_, v); }
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel v) { SetProperty(*this, bevelOuter_, v); }
  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel v) { SetProperty(*this, bevelInner_, v); }
  int32_t BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int32_t v) { SetProperty(*this, bevelWidth_, v); }
  int32_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int32_t v) { SetProperty(*this, borderWidth_, v); }
  // The line around the whole control; hidden unless made visible.
  const TChartPen& BorderPen() const { return borderPen_; }
  void SetBorderPen(const TChartPen& v) { SetProperty(*this, borderPen_, v); }
  int32_t MarginLeft() const { return marginLeft_; }
  int32_t MarginTop() const { return marginTop_; }
  int32_t MarginRight() const { return marginRight_; }
  int32_t MarginBottom() const { return marginBottom_; }
  void SetMargins(int32_t left, int32_t top, int32_t right, int32_t bottom);
  TMarginUnits MarginUnits() const { return marginUnits_; }
  void SetMarginUnits(TMarginUnits v) { SetProperty(*this, marginUnits_, v); }
  bool View3D() const { return view3D_; }
  void SetView3D(bool v) { SetProperty(*this, view3D_, v); }
  bool AxisVisible() const { return axisVisible_; }
  void SetAxisVisible(bool v) { SetProperty(*this, axisVisible_, v); }
  // Axes drawn before the series, so that bars paint over the axis lines.
  bool AxisBehind() const { return axisBehind_; }
  void SetAxisBehind(bool v) { SetProperty(*this, axisBehind_, v); }
  bool ClipPoints() const { return clipPoints_; }
  void SetClipPoints(bool v) { SetProperty(*this, clipPoints_, v); }
  // In flat drawing only the wall's outline shows: the frame of the plot area.
  const TChartPen& BackWallPen() const { return backWallPen_; }
  void SetBackWallPen(const TChartPen& v) { SetProperty(*this, backWallPen_, v); }
  const TNumberSeparators& NumberSeparators() const { return separators_; }
  void SetNumberSeparators(const TNumberSeparators& v) { SetProperty(*this, separators_, v); }

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

  // --- Painting.
  // Marks the kept image stale and invalidates the control; ignored while a
  // paint runs or while AutoRepaint is off.
  void Repaint();
  bool AutoRepaint() const { return autoRepaint_; }
  void SetAutoRepaint(bool v) { autoRepaint_ = v; }
  bool IsImageStale() const { return stale_; }
  // Brings the kept image up to date (redrawing only when stale) and copies
  // the client area onto the canvas.
  void Paint(gfx::TCanvas& canvas) override;
  bool Opaque() const override { return true; }
  // Redraws the kept image if stale, resized or drawn with another text
  // engine; true when it did. A redraw that throws leaves the image stale, so
  // the next paint draws it again.
  bool UpdateImage();
  // The kept image, one pixel wider and taller than the client area.
  const gfx::TBitmap& Image() const { return image_; }
  int64_t RedrawCount() const { return redraws_; }

  gfx::TRect PanelRect() const { return ClientRect(); }
  const gfx::TRect& PlotRect() const { return plot_; }
  // PlotRect of the last paint before the axes took their room.
  const gfx::TRect& MarginRect() const { return marginRect_; }
  // PlotRect from the panel size, bevels and margins.
  gfx::TRect CalcMarginRect() const;

  // --- Mouse (control pixels).
  const TChartZoom& Zoom() const { return zoomSettings_; }
  void SetZoom(const TChartZoom& v) { zoomSettings_ = v; }
  TPanningMode AllowPanning() const { return allowPanning_; }
  void SetAllowPanning(TPanningMode v) { allowPanning_ = v; }
  TMouseButton ScrollMouseButton() const { return scrollButton_; }
  void SetScrollMouseButton(TMouseButton v) { scrollButton_ = v; }
  bool Zoomed() const { return zoomed_; }
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // Each notch scrolls the vertical axes; towards the user (down) moves the
  // values up.
  bool MouseWheel(TShiftState shift, int wheelDelta, TPoint pos) override;
  const TChartDrag& ZoomDrag() const { return zoom_; }
  const TChartDrag& ScrollDrag() const { return scroll_; }
  bool ScalesSaved() const { return saved_; }

  void ZoomRect(const gfx::TRect& rect);
  void UndoZoom();

  void ChangeScale(int m, int d) override;
  // A series' points were replaced, added or removed: the bars' nodes go.
  void SeriesPointsChanged();

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;
  void Resize() override;

 private:
  // A redraw placed the bars anew: a reader hears their places and states changed.
  void BarsPlaced();
  // The steps of a redraw, in their order.
  void Redraw();
  void DrawPanel(gfx::TCanvas& canvas);
  void DrawBevels(gfx::TCanvas& canvas, gfx::TRect& r);
  void PrepareToolsAndSeries();
  void PlaceAxes();
  void ApplySeriesMargins();
  void DrawBackWall(gfx::TCanvas& canvas);
  void DrawAxes(gfx::TCanvas& canvas);
  void DrawSeries(gfx::TCanvas& canvas);
  void DrawZoomBand();
  void DrawZoomBand(gfx::TCanvas& canvas);
  void SetPlotRect(const gfx::TRect& r);
  void SaveScales();
  void WheelNotch(bool down);
  bool ClickedPart(int32_t x, int32_t y) const;
  void TellTools(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int32_t x,
                 int32_t y);

  gfx::TColor color_ = gfx::clWhite;
  TPanelBevel bevelOuter_ = bvRaised;
  TPanelBevel bevelInner_ = bvNone;
  int32_t bevelWidth_ = 1;
  int32_t borderWidth_ = 0;
  TChartPen borderPen_{gfx::clBlack, 1, false};
  int32_t marginLeft_ = 3, marginTop_ = 4, marginRight_ = 3, marginBottom_ = 4;
  TMarginUnits marginUnits_ = muPercent;
  bool view3D_ = false;
  bool axisVisible_ = true;
  bool axisBehind_ = true;
  bool clipPoints_ = true;
  TChartPen backWallPen_{gfx::clBlack, 1, true};
  TNumberSeparators separators_;

  std::vector<std::unique_ptr<TChartAxis>> axes_;
  std::vector<TChartAxis*> axisList_;
  std::vector<std::unique_ptr<TChartSeries>> series_;
  std::vector<TChartSeries*> seriesList_;
  std::vector<std::unique_ptr<TChartTool>> tools_;
  std::vector<TChartTool*> toolList_;

  gfx::TBitmap image_;
  // The text engine the kept image was drawn with; another one draws anew.
  const gfx::TTextEngine* drawnWith_ = nullptr;
  bool stale_ = true;
  bool invalidated_ = false;  // since the last paint
  bool painting_ = false;
  bool autoRepaint_ = true;
  int64_t redraws_ = 0;
  gfx::TRect plot_;
  gfx::TRect marginRect_;

  TChartZoom zoomSettings_;
  TPanningMode allowPanning_ = pmBoth;
  TMouseButton scrollButton_ = mbRight;
  bool zoomed_ = false;
  TChartDrag zoom_;
  TChartDrag scroll_;
  bool saved_ = false;
  std::array<TAxisScaleSettings, 4> savedScales_{};
};
