#include "app/form_dorvex.h"

#include <algorithm>
#include <cstdint>

#include "bootlog/complete.h"
#include "bootlog/date_format.h"
#include "bootlog/duration.h"
#include "bootlog/reconstruct.h"
#include "bootlog/status_texts.h"
#include "bootlog/uptime.h"
#include "chart/boot_chart.h"
#include "ui/about/form_about.h"
#include "ui/application.h"

namespace {

std::unique_ptr<TControl> MakeChart() {
  auto chart = std::make_unique<TChart>();
  SetupBootChart(*chart);
  return chart;
}

}  // namespace

TFormDorvex::TFormDorvex(int dpi, TSources sources)
    : TFormDorvexLayout(dpi, MakeChart), sources_(std::move(sources)) {
  chart_ = static_cast<TChart*>(Chart1);
  OnCreate = [this] { FormCreate(); };
  TBRefresh->OnClick = [this] { TBRefreshClick(); };
  TBHelp->OnClick = [this] { TBHelpClick(); };
  TBAbout->OnClick = [this] { TBAboutClick(); };
  TBUpdate->OnClick = [this] { TBUpdateClick(); };
  TBHomePage->OnClick = [this] { TBHomePageClick(); };
  TBExit->OnClick = [this] { TBExitClick(); };
  Timer1.OnTimer = [this] { Timer1Timer(); };
  RzClockStatus1->SetDateTimeText([this](double value, const std::string& format) {
    return format.empty() ? DateTimeText(value, sources_.Formats)
                          : FormatDateTime(format, value, sources_.Formats);
  });
}

TChart& TFormDorvex::Chart() {
  return *chart_;
}

void TFormDorvex::FormCreate() {
  HomePageAddress = "https://www.dorvex.net/";
  DownloadPageAddress = "https://www.dorvex.net/download.htm";
  // The unit, label and state texts are constants of the boot log.
  TBRefresh->Click();
}

void TFormDorvex::TBRefreshClick() {
  std::unique_ptr<SessionSource> log = sources_.OpenLog();
  // A time that does not read back leaves here: list, chart and panes stay as they were.
  ReadBootEvents(*log, sources_.Formats, BootTable());
  FillBootList();
  FillBootChart(*chart_, BootTable());
  ShowStatistics();
  // The list went back to its top silently: a reader hears once what happened.
  Announce("列表已刷新，" + RzStatusPane1->Caption());
}

void TFormDorvex::FillBootList() {
  RzLWMsg->Clear();
  const TBootCompletion completion = CompleteBootTable(BootTable(), sources_.Formats);
  TotalSeconds = completion.TotalSeconds;
  for (const TBootRow& row : completion.Rows) {
    TListItem& item = RzLWMsg->AddItem();
    item.SubItems.assign(row.Columns.begin(), row.Columns.end());
    item.StateIndex = row.StateImage;
  }
  RzLWMsg->Invalidate();
}

void TFormDorvex::ShowStatistics() {
  const auto texts = StatusTexts(BootTable(), TotalSeconds);
  TRzStatusPane* panes[] = {RzStatusPane1, RzStatusPane2, RzStatusPane3, RzStatusPane4};
  for (size_t i = 0; i < texts.size(); ++i) {
    panes[i]->SetCaption(texts[i]);
  }
}

void TFormDorvex::Timer1Timer() {
  // A 64-bit count: the 32-bit one wraps after 49.7 days and shows a wrong uptime.
  TPlatform& platform = Application()->Platform();
  LabTimeText->SetCaption(
      DurationText(UptimeSeconds(BootTable(), platform.TickCount64(), platform.UtcSeconds())));
}

void TFormDorvex::TBAboutClick() {
  ShowAboutWindow(*this);
}

void TFormDorvex::TBUpdateClick() {
  Application()->Platform().OpenAddress(DownloadPageAddress);
}

void TFormDorvex::TBHomePageClick() {
  Application()->Platform().OpenAddress(HomePageAddress);
}

void TFormDorvex::TBExitClick() {
  Close();
}
