#pragma once

#include <functional>
#include <string>

#include "ui/status_bar.h"

// A status pane that shows the current date and time, checked every 500 ms by a
// timer shared by all clock panes and repainted only when the text changes.
class TRzClockStatus : public TRzStatusPane {
 public:
  TRzClockStatus();
  ~TRzClockStatus() override;

  // Turns a date-time value into the general date-time text of the regional formats;
  // Format, when not empty, is passed in its place. The owner supplies it when it
  // builds the window, and the pane shows the time from then on, so that the
  // first paint already shows it.
  using TDateTimeText = std::function<std::string(double value, const std::string& format)>;
  void SetDateTimeText(TDateTimeText text);
  const std::string& Format() const { return format_; }
  void SetFormat(const std::string& format);
  // The current local time; the platform's clock by default.
  std::function<double()> Now;

  // Recomputes the text (steps of one poll).
  void UpdateClock();
  const std::string& LastText() const { return lastText_; }

  static int PollingPaneCount();

 private:
  TDateTimeText dateTimeText_;
  std::string format_;
  std::string lastText_;
};
