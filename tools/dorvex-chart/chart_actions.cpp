#include "chart_actions.h"

namespace {

void Drag(TChart& chart, TMouseButton button, const std::array<int, 4>& v) {
  chart.MouseDown(button, 0, v[0], v[1]);
  chart.MouseMove(0, v[2], v[3]);
  chart.MouseUp(button, 0, v[2], v[3]);
}

}  // namespace

void ApplyChartAction(TChart& chart, const TChartAction& action) {
  const std::array<int, 4>& v = action.Values;
  switch (action.Kind) {
    case TChartAction::kMove:
      chart.MouseMove(0, v[0], v[1]);
      break;
    case TChartAction::kDrag:
      Drag(chart, mbLeft, v);
      break;
    case TChartAction::kRightDrag:
      Drag(chart, mbRight, v);
      break;
    case TChartAction::kWheel:
      // The window's delta is positive away from the user.
      chart.MouseWheel(0, -v[0] * kWheelDelta, {});
      break;
  }
}
