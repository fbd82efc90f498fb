#include "chart/marks_tip.h"

#include "chart/chart.h"

namespace {
constexpr int kDefaultHintPause = 500;
constexpr int kDefaultHintHidePause = 2500;
}  // namespace

TChart* TMarksTipTool::TargetChart() const {
  if (Series != nullptr) {
    return Series->ParentChart();
  }
  return ParentChart();
}

void TMarksTipTool::SetMouseAction(TMarkToolMouseAction action) {
  action_ = action;
  CancelHint();
}

void TMarksTipTool::SetActive(bool on) {
  TChartTool::SetActive(on);
  if (!on) {
    CancelHint();
  }
}

int TMarksTipTool::MouseDelay() const {
  TChart* chart = ParentChart();
  return chart && chart->HintHost ? chart->HintHost->HintPause() : kDefaultHintPause;
}

void TMarksTipTool::SetMouseDelay(int ms) {
  TChart* chart = ParentChart();
  if (chart && chart->HintHost) {
    chart->HintHost->SetHintPause(ms);
  }
}

int TMarksTipTool::HideDelay() const {
  TChart* chart = ParentChart();
  return chart && chart->HintHost ? chart->HintHost->HintHidePause() : kDefaultHintHidePause;
}

void TMarksTipTool::SetHideDelay(int ms) {
  TChart* chart = ParentChart();
  if (chart && chart->HintHost) {
    chart->HintHost->SetHintHidePause(ms);
  }
}

void TMarksTipTool::CancelHint() {
  TChart* chart = TargetChart();
  if (chart == nullptr) {
    return;
  }
  if (OnCancelHint) {
    OnCancelHint(*this);
  }
  std::string old = std::move(chart->Hint);
  chart->Hint.clear();
  if (!old.empty() && chart->HintHost != nullptr) {
    chart->HintHost->CancelHint();
  }
}

void TMarksTipTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton, TShiftState, int32_t x,
                                    int32_t y) {
  bool reacts = (action_ == mtmMove && kind == cmeMove) || (action_ == mtmClick && kind == cmeDown);
  TChart* chart = ParentChart();
  if (!reacts || chart == nullptr) {
    return;
  }
  TChartSeries* found = nullptr;
  int32_t index = -1;
  if (Series != nullptr) {
    index = Series->PointAt(x, y);
    found = index != -1 ? Series : nullptr;
  } else {
    const auto& list = chart->SeriesList();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
      if (!(*it)->Active) {
        continue;
      }
      index = (*it)->PointAt(x, y);
      if (index != -1) {
        found = *it;
        break;
      }
    }
  }

  if (found == nullptr) {
    int tips = 0;
    for (TChartTool* t : chart->Tools()) {
      if (dynamic_cast<TMarksTipTool*>(t) != nullptr) {
        ++tips;
      }
    }
    if (tips <= 1) {
      CancelHint();
    }
    return;
  }

  // Borrow the series' mark text in this tool's style without repainting.
  TSeriesMarksStyle oldStyle = found->Marks.Style();
  bool oldRepaint = chart->AutoRepaint;
  std::string text;
  chart->AutoRepaint = false;
  try {
    found->Marks.SetStyle(Style);
    text = found->MarkText(index);
    if (OnGetText) {
      OnGetText(*this, text);
    }
  } catch (...) {
    found->Marks.SetStyle(oldStyle);
    chart->AutoRepaint = oldRepaint;
    throw;
  }
  found->Marks.SetStyle(oldStyle);
  chart->AutoRepaint = oldRepaint;

  if (text != chart->Hint) {
    if (chart->HintHost != nullptr) {
      chart->HintHost->CancelHint();
    }
    chart->ShowHint = true;
    chart->Hint = text;
  }
}
