#include "ui/clock_status.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "ui/application.h"
#include "ui/timer.h"

namespace {

// The process-wide polling list: created with the first pane, gone with the last.
struct TPollingList {
  TTimer timer;
  std::vector<TRzClockStatus*> panes;
};
std::unique_ptr<TPollingList> gPolling;

void Poll() {
  if (!gPolling) {
    return;
  }
  std::vector<TRzClockStatus*> panes = gPolling->panes;
  for (TRzClockStatus* p : panes) {
    if (gPolling &&
        std::find(gPolling->panes.begin(), gPolling->panes.end(), p) != gPolling->panes.end() &&
        p->Visible()) {
      p->UpdateClock();
    }
  }
}

}  // namespace

TRzClockStatus::TRzClockStatus() {
  SetWidth(150);
  if (!gPolling) {
    gPolling = std::make_unique<TPollingList>();
    gPolling->timer.SetInterval(500);
    gPolling->timer.OnTimer = Poll;
  }
  gPolling->panes.push_back(this);
}

TRzClockStatus::~TRzClockStatus() {
  auto& panes = gPolling->panes;
  panes.erase(std::remove(panes.begin(), panes.end(), this), panes.end());
  if (panes.empty()) {
    gPolling.reset();
  }
}

int TRzClockStatus::PollingPaneCount() {
  return gPolling ? static_cast<int>(gPolling->panes.size()) : 0;
}

void TRzClockStatus::SetFormat(const std::string& format) {
  if (format == format_) {
    return;
  }
  format_ = format;
  UpdateClock();
}

void TRzClockStatus::SetDateTimeText(TDateTimeText text) {
  dateTimeText_ = std::move(text);
  UpdateClock();
}

void TRzClockStatus::UpdateClock() {
  if (!dateTimeText_) {
    return;
  }
  double now = 0;
  if (Now) {
    now = Now();
  } else if (TApplication* app = Application()) {
    now = app->Platform().LocalNow();
  }
  std::string text = dateTimeText_(now, format_);
  if (text == lastText_) {
    return;
  }
  lastText_ = text;
  SetCaption(text);
}
