// Today's laptops: Modern Standby, brief wakes and screen-off flickers, and
// users named by a saved log's own records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "bootlog/complete.h"
#include "bootlog/convert_time.h"
#include "bootlog/listed_source.h"
#include "bootlog/reconstruct.h"
#include "bootlog/tests/session_log.h"
#include "bootlog/windows_sessions.h"

namespace {

using namespace session_log;

const RegionalFormats kChinese;
constexpr uint32_t kDay = 1796601600;  // 2026-12-07 00:00 UTC
constexpr uint32_t kHour = 3600, kMinute = 60;

// A session as the list shows it: start, stop, user and how it ended.
struct TRow {
  uint32_t Start, Stop;
  std::string User, State;
  bool operator==(const TRow&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TRow& r) {
  return out << r.Start << "-" << r.Stop << " " << r.User << " " << r.State;
}

// The log as written, oldest record first.
std::vector<TRow> Rows(std::vector<TLogEvent> timeOrder) {
  std::reverse(timeOrder.begin(), timeOrder.end());
  WindowsSessionSource source(std::make_unique<ListedEventSource>(std::move(timeOrder)));
  TBootTable table;
  ReadBootEvents(source, kChinese, table);
  CompleteBootTable(table, kChinese);
  std::vector<TRow> rows;
  const auto utc = [](TDateTime t) {
    return IsTimeSet(t) ? static_cast<uint32_t>(std::llround((t - 25569.0 - 1.0 / 3) * 86400)) : 0;
  };
  for (const TBootRecord& r : table) {
    rows.push_back({utc(r.StartTime), utc(r.StopTime), r.UserName, r.StateText});
  }
  return rows;
}

TEST(StandbyRules, AModernStandbyDayIsOneRowPerUseAndTheNightOneGap) {
  const uint32_t d = kDay, n = kDay + 24 * kHour;
  const std::vector<TRow> rows = Rows({
      Boot(d + 6 * kHour),
      Logon(d + 6 * kHour + 60, "Li"),
      StandbyIn(d + 9 * kHour),
      StandbyOut(d + 9 * kHour + 20 * kMinute),  // idle
      StandbyIn(d + 11 * kHour),
      KernelPower566(d + 11 * kHour + 10),  // the lid
      StandbyOut(d + 12 * kHour),
      StandbyIn(d + 14 * kHour),
      StandbyOut(d + 14 * kHour + 26),  // 26 seconds: no split
      StandbyIn(d + 16 * kHour),
      StandbyOut(d + 17 * kHour),
      StandbyIn(d + 17 * kHour + 72),
      StandbyOut(d + 18 * kHour),  // a use of 72 seconds
      StandbyIn(d + 22 * kHour),
      StandbyOut(n + kHour),
      StandbyIn(n + kHour + 4),  // maintenance at night
      StandbyOut(n + 3 * kHour),
      StandbyIn(n + 3 * kHour + 9),  // the charger plugged in
      KernelPower566(n + 4 * kHour),
      StandbyOut(n + 6 * kHour + 30 * kMinute),
  });
  EXPECT_EQ(rows, (std::vector<TRow>{
                      {n + 6 * kHour + 30 * kMinute, 0, "Li", "正常,运行中..."},
                      {d + 18 * kHour, d + 22 * kHour, "Li", "睡眠"},
                      {d + 17 * kHour, d + 17 * kHour + 72, "Li", "睡眠"},
                      {d + 12 * kHour, d + 16 * kHour, "Li", "睡眠"},
                      {d + 9 * kHour + 20 * kMinute, d + 11 * kHour, "Li", "睡眠"},
                      {d + 6 * kHour, d + 9 * kHour, "Li", "睡眠"},
                  }));
}

TEST(StandbyRules, WhereAStandbyEnds) {
  const uint32_t d = kDay, lid = d + 22 * kHour, on = d + 31 * kHour;
  const struct {
    const char* name;
    std::vector<TLogEvent> log;
    std::vector<TRow> rows;
  } cases[] = {
      {"hibernated from standby on battery: stopped when the lid closed",
       {Boot(d), Logon(d + 60, "Li"), StandbyIn(lid), StandbyOut(lid + kHour),
        Sleep(lid + kHour + 5, kTargetHibernate), StandbyIn(on + 10), StandbyOut(on + 11),
        Wake(lid + kHour + 5, on, kTargetHibernate, 30)},
       {{on, 0, "Li", "正常,运行中..."}, {d, lid, "Li", "休眠"}}},
      {"a Fast Startup shutdown, then the pair after the resume",
       {Boot(d), Logon(d + 60, "Li"), Sleep(lid, kTargetFastStartup), StandbyIn(on + 2),
        StandbyOut(on + 3), Logon(on + 25, "Wang"), Wake(lid, on, kTargetFastStartup, 31)},
       {{on, 0, "Wang", "正常,运行中..."}, {d, lid, "Li", "正常关机"}}},
      {"the log begins inside a standby",
       {StandbyOut(d, 5000), Logon(d + 60, "Li"), StandbyIn(lid), StandbyOut(on)},
       {{on, 0, "Li", "正常,运行中..."}, {d, lid, "Li", "睡眠"}}},
      {"a wake of seconds before the standby the log ends in",
       {Boot(d), StandbyIn(lid), StandbyOut(on), StandbyIn(on + 9)},
       {{d, lid, "", "睡眠"}}},
      {"the battery died in standby",
       {Boot(d), Logon(d + 60, "Li"), StandbyIn(lid), Boot(on), Logon(on + 60, "Wang")},
       {{on, 0, "Wang", "正常,运行中..."}, {d, lid, "Li", "睡眠"}}},
      {"a desktop whose screen goes off: 566 splits nothing",
       {Boot(d), Logon(d + 60, "Li"), KernelPower566(d + kHour), KernelPower566(d + 5 * kHour),
        Shutdown(lid)},
       {{d, lid, "Li", "正常关机"}}},
      {"sleep, a wake of seconds with no logon, hibernation: one gap, hibernated",
       {Boot(d), Sleep(lid, kTargetSleep), Wake(lid, lid + kHour, kTargetSleep, 2),
        Sleep(lid + kHour + 20, kTargetHibernate), Wake(lid + kHour + 20, on, kTargetHibernate)},
       {{on, 0, "", "正常,运行中..."}, {d, lid, "", "休眠"}}},
      {"going asleep twice with no wake before a boot: stopped the first time",
       {Boot(d), Sleep(lid, kTargetSleep), Sleep(lid + kHour, kTargetHibernate), Boot(on)},
       {{on, 0, "", "正常,运行中..."}, {d, lid, "", "休眠"}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Rows(c.log), c.rows) << c.name;
  }
}

TEST(StandbyRules, AStartLaterThanAStopByGoingAsleepBeginsARecordOfItsOwn) {
  // The clock was set back while the computer slept: the wake is later than
  // the sleep before it.
  const uint32_t d = kDay;
  EXPECT_EQ(Rows({Boot(d), Sleep(d + kHour, kTargetSleep), Wake(d + kHour, d + 3 * kHour, 4),
                  Sleep(d + 2 * kHour, kTargetSleep), Wake(d + 2 * kHour, d + 4 * kHour, 4)}),
            (std::vector<TRow>{{d + 4 * kHour, 0, "", "正常,运行中..."},
                               {0, d + 2 * kHour, "", "无开机记录"},
                               {d + 3 * kHour, 0, "", "非正常关机"},
                               {d, d + kHour, "", "睡眠"}}));
  // A clean shutdown's stop takes a later start, as the boot rules have it.
  EXPECT_EQ(Rows({Boot(d + 2 * kHour), Shutdown(d + kHour)}),
            (std::vector<TRow>{{d + 2 * kHour, d + kHour, "", "正常关机"}}));
}

TEST(StandbyRules, ASavedLogNamesItsAccounts) {
  const std::string sid = "S-1-5-21-1-2-3-1001", other = "S-1-5-21-1-2-3-1002";
  const std::string profile =
      "\\??\\C:\\Users\\xiaoming\\AppData\\Local\\Packages\\x\\settings.dat";
  const uint32_t d = kDay;
  const struct {
    const char* name;
    std::vector<TLogEvent> naming;
    std::string user;
  } cases[] = {
      {"by nothing: the SID", {HiveCleared(d, other, profile)}, sid},
      {"by a profile's folder", {HiveCleared(d, sid, profile)}, "xiaoming"},
      {"by the newest shutdown's account over any folder",
       {ShutdownBy(d, sid, "PC\\old"), ShutdownBy(d + 5, sid, "PC\\zhangwei"),
        HiveCleared(d + 9, sid, profile)},
       "zhangwei"},
      {"a folder not under Users names nothing",
       {HiveCleared(d, sid, "\\??\\C:\\Windows\\ServiceProfiles\\x\\NTUSER.DAT")},
       sid},
      {"an account that is named here keeps its name",
       {ShutdownBy(d, "SYSTEM", "NT AUTHORITY\\SYSTEM")},
       sid},
  };
  for (const auto& c : cases) {
    std::vector<TLogEvent> log = c.naming;
    log.push_back(Boot(d + kHour));
    log.push_back(Logon(d + kHour + 60, sid));
    ASSERT_EQ(Rows(log).size(), 1u) << c.name;
    EXPECT_EQ(Rows(log)[0].User, c.user) << c.name;
  }
}

}  // namespace
