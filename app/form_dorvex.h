#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/log_files.h"
#include "bootlog/regional_formats.h"
#include "bootlog/session_event.h"
#include "ui/form_dorvex_layout.h"

class TChart;
class TPopupMenu;

// The main window with its handlers: start-up, refresh, the uptime timer and the
// toolbar commands.
class TFormDorvex : public TFormDorvexLayout {
 public:
  // Where the boot events come from and how times are written; the program
  // passes the System log and the user's regional formats.
  struct TSources {
    std::function<std::unique_ptr<SessionSource>()> OpenLog;
    RegionalFormats Formats;
    // The label left of the uptime, naming the system; empty keeps the layout's.
    std::string UptimeCaption;
    // Where this computer's history was looked for when none of it is there.
    std::function<std::vector<std::string>()> AbsentLogPlaces;
    // A saved log named on the command line, read in place of this computer's.
    TLogFiles StartLog;
  };

  TFormDorvex(int dpi, TSources sources);
  ~TFormDorvex() override;

  // Fixed texts, set by FormCreate.
  std::string HomePageAddress;
  std::string DownloadPageAddress;
  int64_t TotalSeconds = 0;

  TChart& Chart();
  TPopupMenu& ListMenu() { return *listMenu_; }

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

  // Reads a saved log in place of this computer's, now and at every refresh.
  // False when it cannot be read: a message box names the file and why, and
  // the table shown stays.
  bool OpenSavedLog(TLogFiles files);
  // The saved log shown; none while this computer's own log is.
  const TLogFiles& SavedLog() const { return savedLog_; }

 private:
  // Reads the log; a list left empty by this computer's own says where it looked.
  void Refresh(const std::function<std::unique_ptr<SessionSource>()>& open, bool thisComputer);
  std::string AbsentLogText() const;
  void ShowStatistics();
  void ShowLogName();

  TSources sources_;
  TLogFiles savedLog_;
  TChart* chart_ = nullptr;
  TPopupMenu* listMenu_ = nullptr;
};
