#pragma once

#include <cstdint>

// The value range of an axis, its pixel extent and the mapping between them,
// in the chart's 32-bit pixel arithmetic. Knows nothing of the chart, so the
// numbers can be tried on their own.
class TAxisScale {
 public:
  explicit TAxisScale(bool horizontal) : horizontal_(horizontal) {}

  bool Horizontal() const { return horizontal_; }
  // The range in use (min <= max) and the fields that follow from it.
  void SetRange(double min, double max);
  // The pixel extent: left and right x of a horizontal axis, top and bottom y
  // of a vertical one.
  void SetPixels(int32_t first, int32_t last);
  // Widens the range so that the values keep `low` pixels free at the low end
  // and `high` pixels at the high end of the unchanged extent.
  void ApplyMargins(int32_t low, int32_t high);

  double CurrentMin() const { return min_; }
  double CurrentMax() const { return max_; }
  double CurrentRange() const { return range_; }
  bool RangeIsZero() const { return range_ == 0; }
  int32_t FirstPixel() const { return first_; }
  int32_t LastPixel() const { return last_; }
  int32_t PixelSize() const { return size_; }
  int32_t CenterPixel() const { return center_; }
  double PixelsPerUnit() const { return perUnit_; }

  int32_t ValueToPixel(double value) const;
  // Pixels beyond the clamp of computed positions are taken at the clamp.
  double PixelToValue(int32_t pixel) const;

 private:
  void Recalc();

  bool horizontal_;
  double min_ = 0, max_ = 0, range_ = 0, perUnit_ = 0;
  int32_t first_ = 0, last_ = 0, size_ = 0, center_ = 0;
};

// The smallest member of ..., 0.1, 0.2, 0.5, 1, 2, 5, 10, ... above x (x > 0);
// 1 for an infinite x or one outside the domain. Always larger than x when x
// is finite and positive, also where the decades below 1e-307 lose digits.
double NextNiceStep(double x);

// The label step that gives at most `count` labels over `range`, starting from
// `increment` when it is above 0. `atLeastOne`: a series whose X values run
// along the axis has at most `count` points. `separated`: the axis keeps its
// labels apart (LabelsSeparation >= 1), so the step grows until they fit.
double StepForCount(int32_t count, double range, double increment, bool atLeastOne, bool separated);
