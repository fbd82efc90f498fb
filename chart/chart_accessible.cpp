// The chart tells of its bars: one node per point of each active series, named
// with the text the hover tip shows for it.
#include <algorithm>
#include <memory>

#include "chart/bar_series.h"
#include "chart/chart.h"
#include "chart/marks_tip.h"
#include "ui/control_accessible.h"

namespace {

class TBarAccessible : public TPartAccessible {
 public:
  TBarAccessible(TControlAccessible& owner, TChart& chart, TChartSeries& series, int32_t point,
                 int index)
      : TPartAccessible(owner, index), chart_(chart), series_(series), point_(point) {}

  TAccRole Role() const override { return TAccRole::Graphic; }
  // The tip's text with the unit the value axis names ("2009-11-16 12 小时"),
  // or the tip's own text when the program gives it one.
  std::string Name() const override {
    for (TChartTool* tool : chart_.Tools()) {
      if (auto* tip = dynamic_cast<TMarksTipTool*>(tool)) {
        const std::string text = tip->TipText(series_, point_);
        return tip->OnGetText ? text : WithUnit(text);
      }
    }
    return WithUnit(series_.MarkText(point_));
  }
  uint32_t States() const override {
    const TRect bar = Placed();
    // Out of the axes' range (zoomed or scrolled away): off-screen.
    const bool shown =
        point_ >= series_.FirstVisibleIndex() && point_ <= series_.LastVisibleIndex();
    // Series are clipped to the plot area made one pixel taller.
    TRect plot = chart_.PlotRect();
    ++plot.Bottom;
    uint32_t states = Owner().ShownStates(bar.Intersect(plot));
    if (!shown) {
      states |= asOffscreen;
    }
    return states;
  }
  TRect ScreenBounds() const override {
    const TRect bar = Placed();
    return bar.IsEmpty() ? TRect{} : Owner().ToScreen(bar);
  }

 private:
  std::string WithUnit(const std::string& text) const {
    const TChartAxis* axis = series_.VertAxis();
    std::string unit = axis ? axis->Title().Caption : std::string();
    if (unit.size() >= 2 && unit.front() == '(' && unit.back() == ')') {
      unit = unit.substr(1, unit.size() - 2);
    }
    return unit.empty() ? text : text + " " + unit;
  }

  // Where the last paint put the bar, in chart pixels: a reader's question never
  // paints. The chart tells when a paint moved the bars.
  TRect Placed() const {
    auto* bars = dynamic_cast<const TBarSeries*>(&series_);
    if (!bars || series_.FirstVisibleIndex() < 0 || point_ >= series_.Count()) {
      return {};
    }
    // The pixels the bar paints; a bar of no height is one line.
    const TRect r = bars->BarBounds(point_);
    const int top = std::min(r.Top, r.Bottom), bottom = std::max(r.Top, r.Bottom);
    return {r.Left, top, r.Right, bottom > top ? bottom : top + 1};
  }

  TChart& chart_;
  TChartSeries& series_;
  int32_t point_;
};

class TChartAccessible : public TControlAccessible {
 public:
  explicit TChartAccessible(TChart& chart) : TControlAccessible(chart), chart_(chart) {}

  TAccRole Role() const override { return TAccRole::Chart; }
  std::string Name() const override { return LabelText(); }
  int PartCount() const override {
    int count = 0;
    for (TChartSeries* s : chart_.SeriesList()) {
      count += s->Active() ? s->Count() : 0;
    }
    return count;
  }
  TAccessible* Part(int index) const override {
    if (index < 0) {
      return nullptr;
    }
    // Series in order, each with its points in order.
    int first = 0;
    for (TChartSeries* s : chart_.SeriesList()) {
      if (!s->Active()) {
        continue;
      }
      if (index < first + s->Count()) {
        auto& self = const_cast<TChartAccessible&>(*this);
        return bars_.At(index, PartCount(), [&] {
          return std::make_unique<TBarAccessible>(self, chart_, *s, index - first, index);
        });
      }
      first += s->Count();
    }
    return nullptr;
  }
  void DropParts() override { bars_.Drop(); }

 private:
  TChart& chart_;
  mutable TPartNodes bars_;
};

}  // namespace

std::unique_ptr<TControlAccessible> TChart::CreateAccessible() {
  return std::make_unique<TChartAccessible>(*this);
}

void TChart::SeriesPointsChanged() {
  AccessiblePartsReplaced();
}

void TChart::BarsPlaced() {
  NotifyAccessible(TAccEvent::StateChange);
}
