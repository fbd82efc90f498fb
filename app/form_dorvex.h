#pragma once

#include <functional>
#include <memory>
#include <string>

#include "bootlog/regional_formats.h"
#include "bootlog/session_event.h"
#include "ui/form_dorvex_layout.h"

class TChart;

// The main window with its handlers: start-up, refresh, the uptime timer and the
// toolbar commands.
class TFormDorvex : public TFormDorvexLayout {
 public:
  // Where the boot events come from and how times are written; the program
  // passes the System log and the user's regional formats.
  struct TSources {
    std::function<std::unique_ptr<SessionSource>()> OpenLog;
    RegionalFormats Formats;
  };

  TFormDorvex(int dpi, TSources sources);

  // Fixed texts, set by FormCreate.
  std::string HomePageAddress;
  std::string DownloadPageAddress;
  int64_t TotalSeconds = 0;

  TChart& Chart();

  void FormCreate();
  void TBRefreshClick();
  void Timer1Timer();
  void TBHelpClick() {}
  void TBAboutClick();
  void TBUpdateClick();
  void TBHomePageClick();
  void TBExitClick();

  // The refresh's list step: completes the boot table and refills RzLWMsg.
  void FillBootList();

 private:
  void ShowStatistics();

  TSources sources_;
  TChart* chart_ = nullptr;
};
