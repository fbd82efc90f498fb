// Linux sessions through sleep: the login records joined by the journal's
// sleeps, read by the reconstruction as the program reads them. Times are
// 2024-05-01 and 02 UTC; the table shows them 8 hours later.
#include <gtest/gtest.h>

#include "bootlog/merged_source.h"
#include "bootlog/tests/temp_folder.h"
#include "bootlog/wtmp_source.h"
#include "platform/linux/journal_source.h"
#include "platform/linux/tests/journal_file.h"
#include "platform/linux/tests/table_rows.h"
#include "platform/linux/tests/wtmp_records.h"

namespace {

constexpr uint32_t kMay1 = 1714521600;  // 2024-05-01 00:00 UTC
constexpr uint32_t kMay2 = kMay1 + 86400;
constexpr uint32_t kHour = 3600;

using TCols = std::array<std::string, 5>;

struct TSleepSessions : ::testing::Test {
  TTempFolder dir;
  std::string wtmp;
  TJournalExport journal;

  void Boot(uint32_t time, const char* user) {
    wtmp += WtmpRecord(2, "reboot", time) + WtmpRecord(7, user, time + 300);
  }
  std::vector<TCols> Columns() {
    dir.Write("wtmp", wtmp);
    journal.Write(dir.Path("system.journal"));
    MergedEventSource source(
        std::make_unique<WtmpEventSource>(std::vector<std::string>{dir.Path("wtmp")}),
        std::make_unique<JournalSleepSource>(dir.Path("system.journal")));
    std::vector<TCols> columns;
    for (const TRow& row : Rows(source)) {
      columns.push_back(row.first);
    }
    return columns;
  }
};

TEST_F(TSleepSessions, ASuspendAndResumeSplitTheSessionBothWithTheUser) {
  Boot(kMay1 + 8 * kHour, "zhang");
  journal.Sleep(true, kMay1 + 9 * kHour).Sleep(false, kMay1 + 10 * kHour);
  EXPECT_EQ(Columns(), (std::vector<TCols>{
                           {"2024/5/1 18:00:00", "", "", "zhang", "正常,运行中..."},
                           {"2024/5/1 16:00:00", "2024/5/1 17:00:00", "60 分", "zhang", "睡眠"},
                       }));
}

TEST_F(TSleepSessions, ASuspendOfTwentySecondsSplitsNothing) {
  Boot(kMay1 + 8 * kHour, "zhang");
  journal.Sleep(true, kMay1 + 9 * kHour).Sleep(false, kMay1 + 9 * kHour + 20);
  EXPECT_EQ(Columns(), (std::vector<TCols>{
                           {"2024/5/1 16:00:00", "", "", "zhang", "正常,运行中..."},
                       }));
}

TEST_F(TSleepSessions, AHibernation) {
  Boot(kMay1 + 8 * kHour, "zhang");
  journal.Sleep(true, kMay1 + 9 * kHour, "hibernate").Sleep(false, kMay1 + 10 * kHour, "hibernate");
  const std::vector<TCols> columns = Columns();
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[1][1], "2024/5/1 17:00:00");
  EXPECT_EQ(columns[1][4], "休眠");
  EXPECT_EQ(columns[0][3], "zhang");
}

TEST_F(TSleepSessions, ASuspendWithNoResumeBeforeTheNextBootEndsAtTheSleep) {
  Boot(kMay1 + 8 * kHour, "zhang");
  Boot(kMay2 + 8 * kHour, "li");
  journal.Sleep(true, kMay1 + 9 * kHour);
  EXPECT_EQ(Columns(), (std::vector<TCols>{
                           {"2024/5/2 16:00:00", "", "", "li", "正常,运行中..."},
                           {"2024/5/1 16:00:00", "2024/5/1 17:00:00", "60 分", "zhang", "睡眠"},
                       }));
}

TEST_F(TSleepSessions, AJournalThatBeginsAfterTheFirstBoot) {
  // The first boot's sleep began before the journal's first entry: only its
  // return is there, and the boot is one session as without a journal.
  Boot(kMay1 + 8 * kHour, "zhang");
  wtmp += WtmpRecord(1, "shutdown", kMay1 + 18 * kHour);
  Boot(kMay2 + 8 * kHour, "li");
  journal.Sleep(false, kMay1 + 12 * kHour, "suspend", 501)
      .Sleep(true, kMay2 + 9 * kHour, "suspend", 502)
      .Sleep(false, kMay2 + 10 * kHour, "suspend", 502);
  EXPECT_EQ(Columns(), (std::vector<TCols>{
                           {"2024/5/2 18:00:00", "", "", "li", "正常,运行中..."},
                           {"2024/5/2 16:00:00", "2024/5/2 17:00:00", "60 分", "li", "睡眠"},
                           {"2024/5/1 16:00:00", "2024/5/2 2:00:00", "10 时", "zhang", "正常关机"},
                       }));
}

TEST_F(TSleepSessions, ADamagedJournalLeavesTheLoginRecordsAsTheyAre) {
  Boot(kMay1 + 8 * kHour, "zhang");
  dir.Write("wtmp", wtmp);
  dir.Write("system.journal", "LPKSHHRH" + std::string(4096, '\x5a'));
  MergedEventSource source(
      std::make_unique<WtmpEventSource>(std::vector<std::string>{dir.Path("wtmp")}),
      std::make_unique<JournalSleepSource>(dir.Path("system.journal")));
  const std::vector<TRow> rows = Rows(source);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].first[3], "zhang");
  EXPECT_EQ(rows[0].first[4], "正常,运行中...");
}

}  // namespace
