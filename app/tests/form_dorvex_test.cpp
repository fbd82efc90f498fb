#include "app/form_dorvex.h"

#include <gtest/gtest.h>

#include "app/tests/boot_logs.h"
#include "bootlog/date_format.h"
#include "bootlog/fixture_source.h"
#include "bootlog/tests/temp_folder.h"
#include "chart/boot_chart.h"
#include "platform/headless/headless_platform.h"
#include "ui/about/form_about.h"
#include "ui/application.h"

namespace {

class FormDorvexTest : public ::testing::Test {
 protected:
  headless::THeadlessPlatform platform;
  TApplication app{platform};
  std::vector<std::string> logs{WorkedExample()};
  int opened = 0;
  RegionalFormats formats;
  TLogFiles startLog;
  std::vector<std::string> absent;

  std::unique_ptr<TFormDorvex> Make() {
    TFormDorvex::TSources sources;
    sources.Formats = formats;
    sources.StartLog = startLog;
    sources.AbsentLogPlaces = [this] { return absent; };
    sources.OpenLog = [this]() -> std::unique_ptr<SessionSource> {
      const std::string& text = logs[std::min<size_t>(opened++, logs.size() - 1)];
      return FixtureLogFromText(text, "log");
    };
    auto form = std::make_unique<TFormDorvex>(96, std::move(sources));
    app.MainForm = form.get();
    form->DoCreate();
    return form;
  }

  static std::vector<std::vector<std::string>> Rows(const TFormDorvex& form) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < form.RzLWMsg->ItemCount(); ++i) {
      std::vector<std::string> row = form.RzLWMsg->Item(i).SubItems;
      row.push_back(std::to_string(form.RzLWMsg->Item(i).StateIndex));
      rows.push_back(row);
    }
    return rows;
  }
};

TEST_F(FormDorvexTest, StartUpRefreshesOnceBeforeTheWindowIsShown) {
  auto form = Make();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(form->Window(), nullptr);  // not shown yet, but already filled
  const std::vector<std::vector<std::string>> expected = {
      {"2009/11/25 8:00:00", "", "", "B", "正常,运行中...", "0"},
      {"2009/11/21 9:00:00", "", "", "B", "非正常关机", "1"},
      {"2009/11/16 9:00:00", "2009/11/16 21:00:00", "12 时", "A", "正常关机", "0"},
  };
  EXPECT_EQ(Rows(*form), expected);
  EXPECT_EQ(form->RzLWMsg->Item(0).Caption, "");
  EXPECT_EQ(form->RzStatusPane1->Caption(), "记录数:3");
  EXPECT_EQ(form->RzStatusPane2->Caption(), "天数:9");
  EXPECT_EQ(form->RzStatusPane3->Caption(), "总计:12小时");
  EXPECT_EQ(form->RzStatusPane4->Caption(), "平均:4(小时/次)");
  EXPECT_EQ(form->TotalSeconds, 43200);
  EXPECT_EQ(Series1(form->Chart()).Count(), 3);
  EXPECT_EQ(form->LabTimeText->Caption(), "");
}

TEST_F(FormDorvexTest, RefreshingAgainShowsTheSameRows) {
  auto form = Make();
  const auto first = Rows(*form);
  form->TBRefresh->Click();
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(Rows(*form), first);
  EXPECT_EQ(Series1(form->Chart()).Count(), 3);
}

TEST_F(FormDorvexTest, ParseErrorKeepsWhatWasShownAndReachesTheErrorHandler) {
  // With digits run together November 2009 reads back, 1970 does not.
  formats.ShortDate = "yyyyMd";
  logs.push_back("6005 0\n");
  auto form = Make();
  const auto rows = Rows(*form);
  ASSERT_EQ(rows.size(), 3u);
  const std::string pane = form->RzStatusPane1->Caption();
  form->ShowWindow();
  form->DispatchAccelerator(U'r');  // Alt+R, as the user refreshes
  EXPECT_EQ(Rows(*form), rows);
  EXPECT_EQ(form->RzStatusPane1->Caption(), pane);
  EXPECT_EQ(Series1(form->Chart()).Count(), 3);
  ASSERT_EQ(platform.MessageBoxes.size(), 1u);
  EXPECT_EQ(platform.MessageBoxes[0].Text, "'197011 8:00:00' is not a valid date and time.");
  EXPECT_EQ(platform.MessageBoxes[0].Title, "dorvex");
  EXPECT_EQ(platform.MessageBoxes[0].Icon, mbiError);
}

TEST_F(FormDorvexTest, ParseErrorDuringStartUpStillCreatesTheWindow) {
  logs = {"6005 0\n"};
  formats.ShortDate = "yyyyMd";
  auto form = Make();
  EXPECT_EQ(platform.MessageBoxes.size(), 1u);
  EXPECT_EQ(form->RzLWMsg->ItemCount(), 0);
  EXPECT_EQ(form->RzStatusPane1->Caption(), "");
  form->ShowWindow();
  EXPECT_NE(form->Window(), nullptr);
}

TEST_F(FormDorvexTest, UptimeLabelFollowsTheTickCount) {
  auto form = Make();
  form->ShowWindow();
  platform.Ticks = 3599000;
  platform.Advance(app, 1000);
  EXPECT_EQ(form->LabTimeText->Caption(), "60 分");
  // Beyond the 49.7 days of a 32-bit counter the uptime goes on growing.
  platform.Ticks = 50ull * 86400 * 1000 - 1000;
  platform.Advance(app, 1000);
  EXPECT_EQ(form->LabTimeText->Caption(), "50 天");
}

TEST_F(FormDorvexTest, UptimeLabelCountsFromTheWakeOfTheRunningRecord) {
  // Booted on the 1st, shut down with Fast Startup on the 5th, switched on on the 9th.
  const uint32_t boot = At(2020, 12, 1, 9, 0), off = At(2020, 12, 5, 18, 0);
  const uint32_t on = At(2020, 12, 9, 8, 30);
  const std::string wake = "[Microsoft-Windows-Power-Troubleshooter] 1 " + std::to_string(on + 20) +
                           " 2020-12-05T10:00:00.5Z|2020-12-09T00:30:00.1Z|0|0|0|0|0|0|0|0|6\n";
  logs = {wake + "[Microsoft-Windows-Kernel-Power] 42 " + std::to_string(off) + " 6\n6005 " +
          std::to_string(boot) + "\n"};
  auto form = Make();
  EXPECT_EQ(Rows(*form)[0][0], "2020/12/9 8:30:00");
  EXPECT_EQ(Rows(*form)[1][1], "2020/12/5 18:00:00");
  form->ShowWindow();
  platform.Ticks = 8ull * 86400 * 1000;  // the tick count went on since the 1st
  platform.Utc = on + 125;
  platform.Advance(app, 1000);
  EXPECT_EQ(form->LabTimeText->Caption(), "2 分5 秒");
  platform.Utc = on - 30;  // the clock set back before the wake
  platform.Advance(app, 1000);
  EXPECT_EQ(form->LabTimeText->Caption(), "");

  // The next refresh finds a full boot on top: the tick count again.
  logs.push_back("6005 " + std::to_string(on + 3600) + "\n" + logs[0]);
  form->TBRefresh->Click();
  platform.Utc = on + 7200;
  platform.Advance(app, 1000);
  EXPECT_EQ(form->LabTimeText->Caption(), "8 天3 秒");
}

TEST_F(FormDorvexTest, CommandsOpenTheAddressesAndExitCloses) {
  auto form = Make();
  form->ShowWindow();
  EXPECT_TRUE(form->DispatchAccelerator(U'h'));  // the hidden help button is skipped
  form->TBUpdate->Click();
  ASSERT_EQ(platform.OpenedAddresses.size(), 2u);
  EXPECT_EQ(platform.OpenedAddresses[0], form->HomePageAddress);
  EXPECT_EQ(platform.OpenedAddresses[1], form->DownloadPageAddress);
  EXPECT_NE(form->HomePageAddress, form->DownloadPageAddress);
  EXPECT_FALSE(form->Closed());
  EXPECT_TRUE(form->DispatchAccelerator(U'e'));
  EXPECT_TRUE(form->Closed());
}

TEST_F(FormDorvexTest, AltAOpensTheAboutWindowModallyAndFreesItAfter) {
  auto form = Make();
  form->ShowWindow();
  bool seen = false;
  platform.Post([&] {
    ASSERT_NE(FormAbout, nullptr);
    seen = platform.WindowWithTitle("关于") != nullptr;
    FormAbout->Close();
  });
  EXPECT_TRUE(form->DispatchAccelerator(U'a'));
  EXPECT_TRUE(seen);
  EXPECT_EQ(FormAbout, nullptr);
  EXPECT_FALSE(form->Closed());
}

TEST_F(FormDorvexTest, ASavedLogIsNamedAndReadAgainByEveryRefresh) {
  TTempFolder dir;
  const std::string path = dir.Write("office.log", WorkedExample());
  auto form = Make();
  form->ShowWindow();
  ASSERT_TRUE(form->OpenSavedLog({TLogKind::Unknown, path, {}}));
  EXPECT_EQ(platform.Windows().back()->Title, "Dorvex - office.log");
  EXPECT_EQ(form->LabTime->Caption(), " 日志文件:");
  EXPECT_EQ(form->LabTimeText->Caption(), "office.log");
  EXPECT_EQ(form->RzLWMsg->ItemCount(), 3);
  platform.Advance(app, 1000);  // the uptime is this computer's: the label keeps the name
  EXPECT_EQ(form->LabTimeText->Caption(), "office.log");
  dir.Write("office.log", "6005 " + std::to_string(At(2010, 1, 1, 9, 0)) + "\n");
  form->TBRefresh->Click();
  EXPECT_EQ(Rows(*form), (std::vector<std::vector<std::string>>{
                             {"2010/1/1 9:00:00", "", "", "", "正常,运行中...", "0"}}));
  EXPECT_EQ(opened, 1);
}

TEST_F(FormDorvexTest, AFileThatCannotBeReadIsNamedAndTheTableShownStays) {
  TTempFolder dir;
  const std::string noise = dir.Write("noise.evtx", std::string("\x01\x02\0\x7f", 4));
  const std::string gone = dir.Write("gone.log", WorkedExample());
  auto form = Make();
  form->ShowWindow();
  const auto rows = Rows(*form);
  EXPECT_FALSE(form->OpenSavedLog({TLogKind::Unknown, noise, {}}));
  EXPECT_EQ(Rows(*form), rows);
  EXPECT_EQ(form->Caption(), "Dorvex");
  ASSERT_EQ(platform.MessageBoxes.size(), 1u);
  EXPECT_EQ(platform.MessageBoxes[0].Text,
            "无法读取日志文件 " + noise + "：这不是 Dorvex 能读取的日志文件.");

  // Dropped, then gone before the refresh.
  form->WindowFilesDropped({gone, noise});
  EXPECT_EQ(form->Caption(), "Dorvex - gone.log");
  std::filesystem::remove(gone);
  form->DispatchAccelerator(U'r');
  EXPECT_EQ(Rows(*form), rows);
  ASSERT_EQ(platform.MessageBoxes.size(), 2u);
  EXPECT_EQ(platform.MessageBoxes[1].Text, "无法读取日志文件 " + gone + "：文件不存在.");
}

TEST_F(FormDorvexTest, StartUpWithALogThatCannotBeReadShowsThisComputers) {
  startLog = {TLogKind::Evtx, "/nonexistent/System.evtx", {}};
  auto form = Make();
  EXPECT_EQ(platform.MessageBoxes.size(), 1u);
  EXPECT_EQ(form->RzLWMsg->ItemCount(), 3);
  EXPECT_EQ(form->Caption(), "Dorvex");
}

TEST_F(FormDorvexTest, WithoutAnyHistoryTheListSaysWhereItLooked) {
  logs = {""};
  absent = {"/var/log/wtmp.db", "/var/log/wtmp"};
  auto form = Make();
  EXPECT_EQ(form->RzLWMsg->EmptyText(),
            "此计算机上没有开机记录，以下位置都不存在：/var/log/wtmp.db、/var/log/wtmp");
  // An empty saved log is not this computer's.
  TTempFolder dir;
  ASSERT_TRUE(form->OpenSavedLog({TLogKind::Unknown, dir.Write("empty.log", "# none\n"), {}}));
  EXPECT_EQ(form->RzLWMsg->EmptyText(), "");
}

}  // namespace
