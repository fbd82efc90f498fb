#include <gtest/gtest.h>

#include <algorithm>

#include "bootlog/complete.h"
#include "bootlog/convert_time.h"
#include "bootlog/listed_source.h"
#include "bootlog/reconstruct.h"
#include "bootlog/tests/session_log.h"
#include "bootlog/windows_sessions.h"

namespace {

using namespace session_log;

const RegionalFormats kChinese;
constexpr uint32_t kBoot = 1607220000;  // 2020-12-06 02:00:00 UTC
constexpr uint32_t kHour = 3600;
constexpr uint32_t kDay = 86400;

// The log as written, oldest record first; read as the service reads it.
TBootTable ReadLog(std::vector<TLogEvent> timeOrder) {
  std::reverse(timeOrder.begin(), timeOrder.end());
  WindowsSessionSource source(std::make_unique<ListedEventSource>(std::move(timeOrder)));
  TBootTable table;
  ReadBootEvents(source, kChinese, table);
  return table;
}

TDateTime T(uint32_t seconds) {
  return ConvertEventTime(seconds, kChinese);
}

std::vector<std::string> States(TBootTable& table) {
  std::vector<std::string> states;
  for (const TBootRow& row : CompleteBootTable(table, kChinese).Rows) {
    states.push_back(row.Columns[4] + "/" + std::to_string(row.StateImage));
  }
  return states;
}

void ExpectSession(const TBootRecord& r, uint32_t start, uint32_t stop, const std::string& user) {
  EXPECT_DOUBLE_EQ(r.StartTime, start ? T(start) : 0.0);
  EXPECT_DOUBLE_EQ(r.StopTime, stop ? T(stop) : 0.0);
  EXPECT_EQ(r.UserName, user);
}

// Shutdown with Fast Startup on, then power-on: the kernel session hibernates,
// the event log service neither stops nor starts.
std::vector<TLogEvent> FastStartup(uint32_t off, uint32_t on, const std::string& olderUser,
                                   const char* newUser) {
  std::vector<TLogEvent> log = {Logoff(off - 20, olderUser), KernelPower187(off - 2),
                                Sleep(off, kTargetFastStartup), KernelPower107(off + 1),
                                KernelBoot27(on + 4)};
  if (newUser) {
    log.push_back(Logon(on + 25, newUser));
  }
  log.push_back(Wake(off, on, kTargetFastStartup, 31));
  return log;
}

TEST(SessionRules, FastStartupEndsASessionAndTheLogonBeforeTheWakeRecordStartsTheNext) {
  const uint32_t off = kBoot + 9 * kHour, on = kBoot + kDay;
  std::vector<TLogEvent> log = {Boot(kBoot), Logon(kBoot + 40, "Li")};
  for (const TLogEvent& e : FastStartup(off, on, "Li", "Wang")) {
    log.push_back(e);
  }
  TBootTable table = ReadLog(log);
  ASSERT_EQ(table.size(), 2u);
  ExpectSession(table[0], on, 0, "Wang");
  EXPECT_TRUE(table[0].BegunByWake);
  EXPECT_EQ(table[0].WakeUtc, on);
  ExpectSession(table[1], kBoot, off, "Li");
  EXPECT_FALSE(table[1].BegunByWake);
  EXPECT_EQ(table[1].StopKind, TStopKind::Shutdown);
  EXPECT_EQ(States(table), (std::vector<std::string>{"正常,运行中.../0", "正常关机/0"}));
  EXPECT_EQ(table[1].RunSeconds, int32_t(9 * kHour));
}

TEST(SessionRules, NoUserCarriesThroughFastStartup) {
  std::vector<TLogEvent> log = {Boot(kBoot), Logon(kBoot + 40, "Li")};
  for (const TLogEvent& e : FastStartup(kBoot + kHour, kBoot + 2 * kHour, "Li", nullptr)) {
    log.push_back(e);
  }
  const TBootTable table = ReadLog(log);
  ASSERT_EQ(table.size(), 2u);
  ExpectSession(table[0], kBoot + 2 * kHour, 0, "");
  ExpectSession(table[1], kBoot, kBoot + kHour, "Li");
}

TEST(SessionRules, SleepEndsASessionAndTheLogonGoesOn) {
  const uint32_t sleep = kBoot + 3 * kHour, wake = kBoot + 5 * kHour;
  // The wake record's sleep time is a second before Kernel-Power 42, as in real logs.
  TBootTable table = ReadLog({Boot(kBoot), Logon(kBoot + 40, "Li"), Sleep(sleep + 1, kTargetSleep),
                              Wake(sleep, wake, kTargetSleep)});
  ASSERT_EQ(table.size(), 2u);
  ExpectSession(table[0], wake, 0, "Li");
  ExpectSession(table[1], kBoot, sleep, "Li");
  EXPECT_EQ(table[1].StopKind, TStopKind::Sleep);
  EXPECT_EQ(States(table), (std::vector<std::string>{"正常,运行中.../0", "睡眠/0"}));
}

TEST(SessionRules, TargetStatesOtherThanHibernationAndFastStartupAreSleep) {
  // Windows 10 1703 writes TargetState 2 for its sleeps.
  TBootTable table =
      ReadLog({Boot(kBoot), Sleep(kBoot + kHour, 2), Wake(kBoot + kHour, kBoot + 2 * kHour, 2),
               Shutdown(kBoot + 3 * kHour)});
  ASSERT_EQ(table.size(), 2u);
  ExpectSession(table[0], kBoot + 2 * kHour, kBoot + 3 * kHour, "");
  EXPECT_EQ(States(table), (std::vector<std::string>{"正常关机/0", "睡眠/0"}));
}

TEST(SessionRules, HibernationEndsASession) {
  const uint32_t off = kBoot + kHour, on = kBoot + 4 * kHour;
  TBootTable table = ReadLog({Boot(kBoot), Logon(kBoot + 40, "Li"), Sleep(off, kTargetHibernate),
                              Wake(off, on, kTargetHibernate)});
  ASSERT_EQ(table.size(), 2u);
  ExpectSession(table[0], on, 0, "Li");
  ExpectSession(table[1], kBoot, off, "Li");
  EXPECT_EQ(States(table), (std::vector<std::string>{"正常,运行中.../0", "休眠/0"}));
}

TEST(SessionRules, HibernateAfterSleepEndsTheSessionWhenItWentToSleep) {
  const uint32_t sleep = kBoot + kHour, hibernate = sleep + 3 * kHour, wake = kBoot + kDay;
  TBootTable table = ReadLog({
      Boot(kBoot),
      Logon(kBoot + 40, "Li"),
      Sleep(sleep, kTargetSleep),
      // It woke only to hibernate: no time between sleep and wake.
      WakeTexts(IsoText(hibernate - 2), IsoText(hibernate - 2), hibernate - 1, kTargetSleep),
      Sleep(hibernate, kTargetHibernate),
      Wake(hibernate, wake, kTargetHibernate),
  });
  ASSERT_EQ(table.size(), 2u);
  ExpectSession(table[0], wake, 0, "Li");
  ExpectSession(table[1], kBoot, sleep, "Li");
  EXPECT_EQ(table[1].StopKind, TStopKind::Hibernation);
  EXPECT_EQ(States(table), (std::vector<std::string>{"正常,运行中.../0", "休眠/0"}));
  EXPECT_EQ(table[1].RunSeconds, int32_t(kHour));
}

TEST(SessionRules, WakesThatOnlyPutItBackToSleepDoNotEndTheSleep) {
  const uint32_t sleep = kBoot + kHour, again = sleep + 2 * kHour, wake = kBoot + 10 * kHour;
  TBootTable table = ReadLog({
      Boot(kBoot),
      Sleep(sleep, kTargetSleep),
      WakeTexts(IsoText(again - 5), IsoText(again - 5, ".9"), again - 3, kTargetSleep),
      Sleep(again, kTargetSleep),
      Wake(again, wake, kTargetSleep),
  });
  ASSERT_EQ(table.size(), 2u);
  ExpectSession(table[0], wake, 0, "");
  ExpectSession(table[1], kBoot, sleep, "");
}

TEST(SessionRules, ASleepWithNoWakeBeforeAFullBootEndsItsSession) {
  const uint32_t sleep = kBoot + kHour, boot2 = kBoot + kDay;
  TBootTable table = ReadLog({Boot(kBoot), Logon(kBoot + 40, "Li"), Sleep(sleep, kTargetSleep),
                              Boot(boot2), Logon(boot2 + 40, "Wang")});
  ASSERT_EQ(table.size(), 2u);
  ExpectSession(table[0], boot2, 0, "Wang");
  ExpectSession(table[1], kBoot, sleep, "Li");
  EXPECT_EQ(States(table), (std::vector<std::string>{"正常,运行中.../0", "睡眠/0"}));

  // Without a start before it, the sleep still opens a record of its own.
  TBootTable sleepOnly = ReadLog({Sleep(sleep, kTargetHibernate), Boot(boot2)});
  ASSERT_EQ(sleepOnly.size(), 2u);
  ExpectSession(sleepOnly[1], 0, sleep, "");
  EXPECT_EQ(States(sleepOnly), (std::vector<std::string>{"正常,运行中.../0", "无开机记录/1"}));
}

TEST(SessionRules, WakesOfAFewSecondsAreSessionsOfTheirOwn) {
  const uint32_t s1 = kBoot + kHour, w1 = s1 + 600, s2 = w1 + 7, w2 = s2 + 3600;
  TBootTable table =
      ReadLog({Boot(kBoot), Logon(kBoot + 40, "Li"), Sleep(s1, kTargetSleep),
               Wake(s1, w1, kTargetSleep, 2), Sleep(s2, kTargetSleep), Wake(s2, w2, kTargetSleep)});
  ASSERT_EQ(table.size(), 3u);
  ExpectSession(table[0], w2, 0, "Li");
  ExpectSession(table[1], w1, s2, "Li");
  ExpectSession(table[2], kBoot, s1, "Li");
  EXPECT_EQ(States(table), (std::vector<std::string>{"正常,运行中.../0", "睡眠/0", "睡眠/0"}));
  EXPECT_EQ(table[1].RunSeconds, 7);
}

TEST(SessionRules, ALogonCarriesThroughSeveralSleepsButNotIntoALaterBoot) {
  std::vector<TLogEvent> log = {Boot(kBoot), Logon(kBoot + 40, "Li")};
  uint32_t t = kBoot;
  for (int i = 0; i < 3; ++i) {
    log.push_back(Sleep(t + kHour, kTargetSleep));
    log.push_back(Wake(t + kHour, t + 2 * kHour, kTargetSleep));
    t += 2 * kHour;
  }
  log.push_back(Shutdown(t + kHour));
  log.push_back(Boot(t + 2 * kHour));
  TBootTable table = ReadLog(log);
  ASSERT_EQ(table.size(), 5u);
  EXPECT_EQ(table[0].UserName, "");  // a boot, not a wake
  for (size_t i = 1; i < 5; ++i) {
    EXPECT_EQ(table[i].UserName, "Li") << i;
  }
  EXPECT_EQ(States(table), (std::vector<std::string>{"正常,运行中.../0", "正常关机/0", "睡眠/0",
                                                     "睡眠/0", "睡眠/0"}));
}

TEST(SessionRules, WindowsSevenLogonsNameTheUsers) {
  // No 7035 at all; the other 7001s (Service Control Manager) and service
  // accounts do not count.
  const uint32_t stop = kBoot + 8 * kHour, boot2 = kBoot + kDay;
  TBootTable table = ReadLog({
      Boot(kBoot), Record("Service Control Manager", 7001, kBoot + 20, {"Dnscache", "Tcpip"}),
      Logon(kBoot + 60, "SYSTEM"), Logon(kBoot + 90, "alice"), Shutdown(stop), Boot(boot2),
      Logon(boot2 + 70, "bob"), Record("Service Control Manager", 7001, boot2 + 80, {"x", "eve"}),
      Record(kWinlogon, kWinlogonLogon, boot2 + 90, {"1"}),  // no SID value: no user
  });
  ASSERT_EQ(table.size(), 2u);
  ExpectSession(table[0], boot2, 0, "bob");
  ExpectSession(table[1], kBoot, stop, "alice");
}

TEST(SessionRules, OnlyTheNamedSourcesCount) {
  TBootTable table = ReadLog({
      Boot(kBoot),
      Record("Some-Driver", kPowerSleep, kBoot + 10, {"4"}),
      Record("Some-Service", kPowerWake, kBoot + 20, {IsoText(kBoot + 12), IsoText(kBoot + 19)}),
  });
  ASSERT_EQ(table.size(), 1u);
  ExpectSession(table[0], kBoot, 0, "");
}

TEST(SessionRules, UnreadableOrBackwardWakeRecordsAreIgnored) {
  const uint32_t sleep = kBoot + kHour, wake = kBoot + 2 * kHour;
  TBootTable table = ReadLog({
      Boot(kBoot),
      Sleep(sleep, kTargetSleep),
      WakeTexts("?", IsoText(wake), wake + 1, kTargetSleep),
      WakeTexts(IsoText(wake), IsoText(sleep), wake + 2, kTargetSleep),
      Record(kPowerTroubleshooter, kPowerWake, wake + 3, {IsoText(sleep)}),
  });
  ASSERT_EQ(table.size(), 1u);
  ExpectSession(table[0], kBoot, sleep, "");
  EXPECT_FALSE(table[0].BegunByWake);
}

TEST(SessionRules, DirectionMarksInTheTimesAreSkipped) {
  const uint32_t sleep = kBoot + kHour, wake = kBoot + 2 * kHour;
  const std::string mark = "\xE2\x80\x8E";
  const std::string sleepText = mark + IsoText(sleep);
  std::string wakeText = IsoText(wake);
  wakeText.replace(4, 1, "-?");
  TBootTable table = ReadLog({Boot(kBoot), WakeTexts(sleepText, wakeText, wake + 3, kTargetSleep)});
  ASSERT_EQ(table.size(), 2u);
  ExpectSession(table[0], wake, 0, "");
  ExpectSession(table[1], kBoot, sleep, "");
}

TEST(SessionRules, AClockSetBackBetweenTwoWakesLosesNeitherStop) {
  // The newer wake record's wake is earlier than the older wake record's own time.
  TBootTable table = ReadLog({Boot(kBoot), Wake(kBoot + 100, kBoot + 1000, kTargetSleep),
                              Wake(kBoot + 500, kBoot + 900, kTargetSleep)});
  ASSERT_EQ(table.size(), 3u);
  ExpectSession(table[0], kBoot + 900, 0, "");
  ExpectSession(table[1], kBoot + 1000, kBoot + 500, "");
  ExpectSession(table[2], kBoot, kBoot + 100, "");
}

TEST(SessionRules, TheOldestWakeStopsAtTheEndOfTheLog) {
  TBootTable table = ReadLog({Wake(kBoot, kBoot + kHour, kTargetSleep)});
  ASSERT_EQ(table.size(), 2u);
  ExpectSession(table[0], kBoot + kHour, 0, "");
  ExpectSession(table[1], 0, kBoot, "");
}

TEST(SessionRules, AWakeTimeThatDoesNotReadBackEndsTheRead) {
  // With digits run together "20091125 10:00:00" reads back, "197011 8:00:00" does not.
  RegionalFormats runTogether;
  runTogether.ShortDate = "yyyyMd";
  WindowsSessionSource source(
      std::make_unique<ListedEventSource>(std::vector<TLogEvent>{Wake(10, 20, kTargetSleep)}));
  TBootTable table;
  EXPECT_THROW(ReadBootEvents(source, runTogether, table), EConvertError);
  EXPECT_TRUE(table.empty());
}

TEST(SessionRules, XpLogsKeepTheirNewFieldsAtTheirDefaults) {
  const TBootTable table = ReadLog({Boot(kBoot), Shutdown(kBoot + kHour), Boot(kBoot + kDay)});
  ASSERT_EQ(table.size(), 2u);
  for (const TBootRecord& r : table) {
    EXPECT_FALSE(r.BegunByWake);
    EXPECT_EQ(r.WakeUtc, 0u);
    EXPECT_EQ(r.StopKind, TStopKind::Shutdown);
  }
}

}  // namespace
