#include "chart/marks_tip.h"

#include "chart/chart.h"
#include "ui/application.h"

TChart* TMarksTipTool::TargetChart() const {
  if (series_ != nullptr) {
    return series_->ParentChart();
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
  const TApplication* app = Application();
  return app ? app->HintPause() : THintManager::kDefaultPause;
}

void TMarksTipTool::SetMouseDelay(int ms) {
  if (TApplication* app = Application()) {
    app->SetHintPause(ms);
  }
}

int TMarksTipTool::HideDelay() const {
  const TApplication* app = Application();
  return app ? app->HintHidePause() : THintManager::kDefaultHidePause;
}

void TMarksTipTool::SetHideDelay(int ms) {
  if (TApplication* app = Application()) {
    app->SetHintHidePause(ms);
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
  if (!old.empty()) {
    CancelAppHint();
  }
}

std::string TMarksTipTool::TipText(TChartSeries& series, int32_t index) {
  std::string text = series.MarkText(index, style_);
  if (OnGetText) {
    OnGetText(*this, text);
  }
  return text;
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
  if (series_ != nullptr) {
    index = series_->PointAt(x, y);
    found = index != -1 ? series_ : nullptr;
  } else {
    const auto& list = chart->SeriesList();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
      if (!(*it)->Active()) {
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

  const std::string text = TipText(*found, index);
  if (text != chart->Hint) {
    CancelAppHint();
    chart->ShowHint = true;
    chart->Hint = text;
  }
}
