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
  TBarSeries() { SetYValuesName("Bar"); }

  // --- Properties; each change asks for a repaint.
  int32_t BarWidthPercent() const { return barWidthPercent_; }
  void SetBarWidthPercent(int32_t v) { SetProperty(*this, barWidthPercent_, v); }
  int32_t OffsetPercent() const { return offsetPercent_; }
  void SetOffsetPercent(int32_t v) { SetProperty(*this, offsetPercent_, v); }
  int32_t CustomBarWidth() const { return customBarWidth_; }
  void SetCustomBarWidth(int32_t v) { SetProperty(*this, customBarWidth_, v); }
  TBarStyle BarStyle() const { return barStyle_; }
  void SetBarStyle(TBarStyle v) { SetProperty(*this, barStyle_, v); }
  // MultiBar and SideMargins are shared by the chart's bar series: setting
  // either copies both to the others.
  TMultiBar MultiBar() const { return multiBar_; }
  void SetMultiBar(TMultiBar v);
  bool SideMargins() const { return sideMargins_; }
  void SetSideMargins(bool v);
  bool UseYOrigin() const { return useYOrigin_; }
  void SetUseYOrigin(bool v) { SetProperty(*this, useYOrigin_, v); }
  double YOrigin() const { return yOrigin_; }
  void SetYOrigin(double v) { SetProperty(*this, yOrigin_, v); }
  const gfx::TBrush& BarBrush() const { return barBrush_; }
  void SetBarBrush(const gfx::TBrush& v) { SetProperty(*this, barBrush_, v); }
  // Visible, black, width 1.
  const gfx::TPen& BarPen() const { return barPen_; }
  void SetBarPen(const gfx::TPen& v) { SetProperty(*this, barPen_, v); }
  bool BarPenVisible() const { return barPenVisible_; }
  void SetBarPenVisible(bool v) { SetProperty(*this, barPenVisible_, v); }
  // Leave out the pixels of bars that later bars paint over entirely.
  bool SkipHiddenBars() const { return skipHiddenBars_; }
  void SetSkipHiddenBars(bool v) { SetProperty(*this, skipHiddenBars_, v); }

  double LowestY() const override;
  double HighestY() const override;

  // --- Working state of the last paint.
  int32_t BarSize() const { return barSize_; }
  int32_t OrderPosition() const { return orderPosition_; }
  int32_t BarCount() const { return barCount_; }
  int32_t MaxBarPoints() const { return maxBarPoints_; }
  // Every bar of the last paint, in drawing order.
  const std::vector<TDrawnBar>& DrawnBars() const { return drawn_; }

  void PrepareForPaint() override { PrepareBars(); }
  void CalcHorizMargins(int32_t& left, int32_t& right) override { BarMargin(left, right); }
  void DrawAllPoints(gfx::TCanvas& canvas) override;
  int32_t PointAt(int32_t x, int32_t y) const override;

  int32_t PointXPos(int32_t index) const;
  int32_t PointYPos(int32_t index) const;
  int32_t OriginPos(int32_t index) const;
  gfx::TRect BarBounds(int32_t index) const;
  bool BarContains(int32_t index, int32_t x, int32_t y) const;

  // The series draws clipped to this rectangle itself (see DrawAllPoints).
  bool ClipsItself() const override { return true; }
  void SetClipRect(const gfx::TRect& r) override { clip_ = r; }
  void PaintBar(gfx::TCanvas& canvas, const gfx::TRect& bounds, gfx::TColor color);
  static void BarRectangle(gfx::TCanvas& canvas, int left, int top, int right, int bottom);

 private:
  void PrepareBars();
  void CalcBarSize();
  void BarMargin(int32_t& left, int32_t& right);
  void ShareSideSettings();
  void MarkHiddenBars();
  void PaintClipped(gfx::TCanvas& canvas, const gfx::TRect& shape, gfx::TColor color);

  int32_t barWidthPercent_ = 70;
  int32_t offsetPercent_ = 0;
  int32_t customBarWidth_ = 0;
  TBarStyle barStyle_ = bsRectangle;
  TMultiBar multiBar_ = mbSide;
  bool sideMargins_ = true;
  bool useYOrigin_ = true;
  double yOrigin_ = 0;
  gfx::TBrush barBrush_{gfx::clDefault, gfx::bsSolid};
  gfx::TPen barPen_;
  bool barPenVisible_ = true;
  bool skipHiddenBars_ = true;

  int32_t barSize_ = 0;
  int32_t orderPosition_ = 1;
  int32_t barCount_ = 0;
  int32_t maxBarPoints_ = -1;
  std::vector<TDrawnBar> drawn_;
  std::vector<bool> hidden_;
  gfx::TRect clip_{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};
};
