#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "gfx/image_list.h"
#include "ui/clock_status.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/spacer.h"
#include "ui/status_bar.h"
#include "ui/timer.h"
#include "ui/tool_button.h"
#include "ui/toolbar.h"

// The main window's components, built with their names, positions, sizes, fonts and
// colours at 96 dots per inch and then scaled to the screen's resolution. The program's
// handlers attach to the public members (OnClick of the buttons, OnTimer of Timer1,
// OnCreate of the form).
class TFormDorvexLayout : public TForm {
 public:
  // Builds the chart placed on the second page; without one a plain white panel named
  // "Chart1" holds its place.
  using TChartFactory = std::function<std::unique_ptr<TControl>()>;

  explicit TFormDorvexLayout(int dpi = 96, TChartFactory makeChart = nullptr);

  // The list's column captions after the state picture's, which has none.
  static constexpr std::array<const char*, 5> kListCaptions = {"开机时间", "关机时间", "运行时长",
                                                               "登录用户", "信息"};

  static constexpr int kClientWidth = 673;
  static constexpr int kClientHeight = 475;

  // Non-visual parts.
  gfx::TImageList ImageList1{32, 32};
  gfx::TImageList ImageList2{16, 16};
  TTimer Timer1;

  TRzToolbar* RzToolbar1 = nullptr;
  TRzToolButton* TBRefresh = nullptr;
  TRzSpacer* RzSpacer1 = nullptr;
  TRzToolButton* TBHelp = nullptr;
  TRzToolButton* TBAbout = nullptr;
  TRzSpacer* RzSpacer2 = nullptr;
  TRzToolButton* TBUpdate = nullptr;
  TRzToolButton* TBHomePage = nullptr;
  TRzSpacer* RzSpacer3 = nullptr;
  TRzToolButton* TBExit = nullptr;
  TLabel* LabVer = nullptr;

  TRzStatusBar* RzStatusBar1 = nullptr;
  TRzClockStatus* RzClockStatus1 = nullptr;
  TRzStatusPane* RzStatusPane1 = nullptr;
  TRzStatusPane* RzStatusPane2 = nullptr;
  TRzStatusPane* RzStatusPane3 = nullptr;
  TRzStatusPane* RzStatusPane4 = nullptr;

  TRzPageControl* RzPageControl1 = nullptr;
  TRzTabSheet* TabSheet1 = nullptr;
  TPanel* Panel1 = nullptr;
  TImage* Image1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* LabTime = nullptr;
  TLabel* LabTimeText = nullptr;
  TRzListView* RzLWMsg = nullptr;

  TRzTabSheet* TabSheet2 = nullptr;
  TPanel* Panel2 = nullptr;
  TImage* Image2 = nullptr;
  TLabel* Label2 = nullptr;
  // The chart control (or its placeholder), aligned to fill the rest of the page.
  TControl* Chart1 = nullptr;

  int Dpi() const { return dpi_; }

 private:
  void BuildToolbar();
  void BuildStatusBar();
  void BuildPages(TChartFactory& makeChart);
  int dpi_;
};
