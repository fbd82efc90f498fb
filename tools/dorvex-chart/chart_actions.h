#pragma once

#include <array>

#include "chart/chart.h"

// A mouse action on the chart as dorvex-chart's options give it, in control
// pixels: --move X,Y, --drag and --rdrag X0,Y0,X1,Y1 (a left drag zooms, or
// undoes the zoom leftwards; a right drag scrolls), --wheel N notches towards
// the user (away for a negative N).
struct TChartAction {
  enum TKind { kMove, kDrag, kRightDrag, kWheel };
  TKind Kind = kMove;
  std::array<int, 4> Values{};
};

// Sends the action's mouse messages as the window would; the caller repaints.
void ApplyChartAction(TChart& chart, const TChartAction& action);
