#pragma once

#include <cstdint>
#include <vector>

#include "chart/series.h"
#include "gfx/geometry.h"

enum TBarStyle {
  bsRectangle,
  bsPyramid,
  bsInvPyramid,
  bsCilinder,
  bsEllipse,
  bsArrow,
  bsRectGradient,
  bsCone,
  bsBevel,
  bsSlantCube,
  bsDiamond,
  bsInvArrow,
  bsInvCone
};

enum TMultiBar { mbNone, mbSide, mbStacked, mbStacked100, mbSideAll, mbSelfStack };

// One bar drawn in the last paint.
struct TDrawnBar {
  int32_t Index;
  gfx::TRect Bounds;
  gfx::TColor Color;
};

// Vertical bars, flat view, the rectangular styles.
class TBarSeries : public TChartSeries {
 public:
  TBarSeries() { YValues.Name = "Bar"; }

  int32_t BarWidthPercent = 70;
  int32_t OffsetPercent = 0;
  int32_t CustomBarWidth = 0;
  TBarStyle BarStyle = bsRectangle;
  TMultiBar MultiBar = mbSide;
  bool SideMargins = true;
  bool UseYOrigin = true;
  double YOrigin = 0;
  gfx::TBrush BarBrush{gfx::clDefault, gfx::bsSolid};
  gfx::TPen BarPen;  // visible, black, width 1
  bool BarPenVisible = true;
  // Leave out the pixels of bars that later bars paint over entirely.
  bool SkipHiddenBars = true;

  double LowestY() const override;
  double HighestY() const override;

  // Working state of the last paint.
  int32_t BarSize = 0;
  int32_t OrderPosition = 1;
  int32_t BarCount = 0;
  int32_t PreviousCount = 0;
  int32_t MaxBarPoints = -1;
  // Every bar of the last paint, in drawing order.
  const std::vector<TDrawnBar>& DrawnBars() const { return drawn_; }

  void PrepareForPaint() override { PrepareBars(); }
  void CalcHorizMargins(int32_t& left, int32_t& right) override { BarMargin(left, right); }
  void CalcVisibleRange() override { VisibleRange(); }
  void DrawAllPoints(gfx::TCanvas& canvas) override;
  int32_t PointAt(int32_t x, int32_t y) const override;

  void PrepareBars();
  void CalcBarSize();
  void BarMargin(int32_t& left, int32_t& right);
  void VisibleRange() { TChartSeries::CalcVisibleRange(); }

  int32_t PointXPos(int32_t index) const;
  int32_t PointYPos(int32_t index) const;
  int32_t OriginPos(int32_t index) const;
  gfx::TRect BarBounds(int32_t index) const;
  bool BarContains(int32_t index, int32_t x, int32_t y) const;

  void DrawPoint(gfx::TCanvas& canvas, int32_t index);
  // The series draws clipped to this rectangle itself (see DrawAllPoints).
  bool ClipsItself() const override { return true; }
  void SetClipRect(const gfx::TRect& r) override { clip_ = r; }
  void PaintBar(gfx::TCanvas& canvas, const gfx::TRect& bounds, gfx::TColor color);
  static void BarRectangle(gfx::TCanvas& canvas, int left, int top, int right, int bottom);

 private:
  void MarkHiddenBars();
  void PaintClipped(gfx::TCanvas& canvas, const gfx::TRect& shape, gfx::TColor color);

  std::vector<TDrawnBar> drawn_;
  std::vector<bool> hidden_;
  gfx::TRect clip_{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};
};
