#include "app/form_dorvex.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <stdexcept>

#include "bootlog/complete.h"
#include "bootlog/date_format.h"
#include "bootlog/duration.h"
#include "bootlog/file_path.h"
#include "bootlog/reconstruct.h"
#include "bootlog/status_texts.h"
#include "bootlog/uptime.h"
#include "chart/boot_chart.h"
#include "ui/about/form_about.h"
#include "ui/application.h"
#include "ui/guarded.h"
#include "ui/popup_menu.h"

namespace {

// A saved log that cannot be read; the message names it and why.
class ELogFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::unique_ptr<TControl> MakeChart() {
  auto chart = std::make_unique<TChart>();
  SetupBootChart(*chart);
  return chart;
}

// The file's name without its folder (a folder's own name for a folder).
std::string FileName(const std::string& path) {
  std::filesystem::path p = FilePath(path);
  if (!p.has_filename()) {
    p = p.parent_path();
  }
  const std::string name = PathText(p.filename());
  return name.empty() ? path : name;
}

const char* FaultText(TLogFault fault) {
  switch (fault) {
    case TLogFault::Missing:
      return "文件不存在";
    case TLogFault::Folder:
      return "这是文件夹，其中没有日志文件";
    case TLogFault::Unreadable:
      return "文件无法打开，可能没有读取权限";
    case TLogFault::Empty:
      return "文件是空的";
    case TLogFault::Damaged:
      return "日志已损坏";
    case TLogFault::LinuxOnly:
      return "wtmpdb 数据库和 systemd 日志只能在 Linux 上打开";
    default:
      return "这不是 Dorvex 能读取的日志文件";
  }
}

// In the program's language; a damaged log adds its reader's own words.
std::string LogProblemText(const std::string& path, const TLogProblem& problem) {
  std::string text = "无法读取日志文件 " + path + "：" + FaultText(problem.Fault);
  if (problem.Fault == TLogFault::Damaged) {
    text += "（" + problem.Text + "）";
  }
  return text;
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
  if (!sources_.UptimeCaption.empty()) {
    LabTime->SetCaption(sources_.UptimeCaption);
  }
  listMenu_ = Add<TPopupMenu>();
  listMenu_->SetFont(Font());
  listMenu_->AddItem("复制", [this] { RzLWMsg->CopyToClipboard(); });
  listMenu_->AddItem("复制全部", [this] { RzLWMsg->CopyAllToClipboard(); });
  RzLWMsg->PopupMenu = listMenu_;
  OnDropFiles = [this](const std::vector<std::string>& paths) {
    OpenSavedLog({TLogKind::Unknown, paths.front(), {}});
  };
}

TFormDorvex::~TFormDorvex() = default;

TChart& TFormDorvex::Chart() {
  return *chart_;
}

void TFormDorvex::FormCreate() {
  HomePageAddress = "https://www.dorvex.net/";
  DownloadPageAddress = "https://www.dorvex.net/download.htm";
  // The unit, label and state texts are constants of the boot log.
  // A log named at start that cannot be read leaves this computer's shown.
  if (sources_.StartLog.Given() && OpenSavedLog(sources_.StartLog)) {
    return;
  }
  TBRefresh->Click();
}

void TFormDorvex::TBRefreshClick() {
  if (!savedLog_.Given()) {
    Refresh(sources_.OpenLog, true);
    return;
  }
  TLogProblem problem;
  const TLogOpener open = OpenLogFiles(savedLog_, problem);
  if (!open) {
    throw ELogFileError(LogProblemText(savedLog_.Shown(), problem));
  }
  Refresh(open, false);
}

void TFormDorvex::Refresh(const std::function<std::unique_ptr<SessionSource>()>& open,
                          bool thisComputer) {
  std::unique_ptr<SessionSource> log = open();
  // A time that does not read back leaves here: the table, list, chart and
  // panes stay as they were.
  TBootTable table;
  ReadBootEvents(*log, sources_.Formats, table);
  BootTable() = std::move(table);
  FillBootList();
  RzLWMsg->SetEmptyText(thisComputer && RzLWMsg->ItemCount() == 0 ? AbsentLogText() : "");
  FillBootChart(*chart_, BootTable());
  ShowStatistics();
  // The list went back to its top silently: a reader hears once what happened.
  Announce("列表已刷新，" + RzStatusPane1->Caption());
}

std::string TFormDorvex::AbsentLogText() const {
  std::string text;
  if (sources_.AbsentLogPlaces) {
    for (const std::string& place : sources_.AbsentLogPlaces()) {
      text += (text.empty() ? "此计算机上没有开机记录，以下位置都不存在：" : "、") + place;
    }
  }
  return text;
}

bool TFormDorvex::OpenSavedLog(TLogFiles files) {
  TLogProblem problem;
  const TLogOpener open = OpenLogFiles(files, problem);
  if (!open) {
    ReportError(std::make_exception_ptr(ELogFileError(LogProblemText(files.Shown(), problem))));
    return false;
  }
  Refresh(open, false);
  savedLog_ = std::move(files);
  ShowLogName();
  return true;
}

void TFormDorvex::ShowLogName() {
  const std::string name = FileName(savedLog_.Shown());
  SetCaption("Dorvex - " + name);
  // The uptime is this computer's, not the log's.
  LabTime->SetCaption(" 日志文件:");
  LabTimeText->SetCaption(name);
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
  if (savedLog_.Given()) {
    return;  // the label names the log
  }
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
