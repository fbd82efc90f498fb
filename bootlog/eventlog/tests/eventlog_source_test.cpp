#include "bootlog/eventlog/eventlog_source.h"

#include <gtest/gtest.h>

#include "bootlog/convert_time.h"
#include "bootlog/eventlog/tests/fake_eventlog_api.h"
#include "bootlog/listed_source.h"
#include "bootlog/reconstruct.h"
#include "bootlog/windows_sessions.h"

namespace {

std::vector<TLogEvent> ReadAll(EventLogSource& source) {
  std::vector<TLogEvent> events;
  TLogEvent e;
  while (source.ReadNextEvent(e)) {
    events.push_back(e);
  }
  return events;
}

TEST(EventLogSource, TwoReadsPerRecordNewestFirst) {
  FakeEventLogApi api;
  api.records = {MakeRecord(6005, 300), MakeRecord(0x40001B7B, 200, 0), MakeRecord(6006, 100)};
  EventLogSource source(api);
  ASSERT_TRUE(source.OpenSystemLog());
  EXPECT_EQ(api.openedSources, std::vector<std::string>{"System"});
  const std::vector<TLogEvent> events = ReadAll(source);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].EventCode, 6005);
  EXPECT_EQ(events[0].TimeGenerated, 300u);
  EXPECT_EQ(events[1].EventCode, 7035);  // upper 16 bits ignored
  EXPECT_EQ(events[2].EventCode, 6006);
  // 56-byte attempt, exact-size read, per record; then the end.
  ASSERT_EQ(api.reads.size(), 7u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(api.reads[2 * i].bytesToRead, 56u);
    EXPECT_EQ(api.reads[2 * i + 1].bytesToRead, api.records[i].size());
  }
  EXPECT_EQ(api.reads[6].bytesToRead, 56u);
  for (const auto& call : api.reads) {
    EXPECT_EQ(call.flags, 9u);
    EXPECT_EQ(call.offset, 0u);
  }
  EXPECT_EQ(api.closes, 1);
  TLogEvent e;
  EXPECT_FALSE(source.ReadNextEvent(e));  // the handle is not used after the end
  EXPECT_EQ(api.reads.size(), 7u);
}

TEST(EventLogSource, EmptyLogAndOtherErrorsEndTheRead) {
  FakeEventLogApi empty;
  EventLogSource emptySource(empty);
  ASSERT_TRUE(emptySource.OpenSystemLog());
  EXPECT_TRUE(ReadAll(emptySource).empty());
  EXPECT_EQ(empty.reads.size(), 1u);

  FakeEventLogApi cleared;
  cleared.records = {MakeRecord(6005, 3), MakeRecord(6006, 2), MakeRecord(6005, 1)};
  cleared.errorAfterRecords = 1;
  cleared.otherError = 1500;  // the log was cleared while reading
  EventLogSource clearedSource(cleared);
  ASSERT_TRUE(clearedSource.OpenSystemLog());
  EXPECT_EQ(ReadAll(clearedSource).size(), 1u);
}

TEST(EventLogSource, OpenFailure) {
  FakeEventLogApi api;
  api.failOpen = true;
  EventLogSource source(api);
  EXPECT_FALSE(source.OpenSystemLog());
  TLogEvent e;
  EXPECT_FALSE(source.ReadNextEvent(e));
  EXPECT_TRUE(api.reads.empty());
}

TEST(EventLogSource, ServiceThatNeverSatisfiesTheRequestEndsTheLog) {
  FakeEventLogApi api;
  api.records = {MakeRecord(6005, 3)};
  api.alwaysTooSmall = true;
  EventLogSource source(api);
  ASSERT_TRUE(source.OpenSystemLog());
  EXPECT_TRUE(ReadAll(source).empty());
  EXPECT_LT(api.reads.size(), 20u);
}

TEST(EventLogSource, LooksUpTheAccountNameAlone) {
  FakeEventLogApi api;
  api.accounts = {"Zhang", "Li"};
  api.records = {MakeRecord(7035, 3, 1), MakeRecord(7035, 2, 7), MakeRecord(7035, 1)};
  EventLogSource source(api);
  ASSERT_TRUE(source.OpenSystemLog());
  const std::vector<TLogEvent> events = ReadAll(source);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(source.LookupUserName(events[0]), "Li");
  EXPECT_EQ(api.lastNameSize, 261u);
  EXPECT_EQ(api.lastDomainSize, 261u);
  EXPECT_EQ(source.LookupUserName(events[1]), "N/A");  // no such account
  EXPECT_EQ(source.LookupUserName(events[2]), "N/A");  // no SID at all
  EXPECT_EQ(api.lookups, 2);
  // Each account is asked once a read, named or not, by its SID or its text.
  EXPECT_EQ(source.LookupUserName(events[0]), "Li");
  EXPECT_EQ(source.LookupUserName(events[1]), "N/A");
  EXPECT_EQ(source.LookupSidText("S-1-5-1"), "Li");
  EXPECT_EQ(source.LookupSidText("S-1-5-1"), "Li");
  EXPECT_EQ(api.lookups, 2);
  api.accounts = {"Zhang", "Lin"};  // renamed before the next refresh
  ASSERT_TRUE(source.OpenSystemLog());
  EXPECT_EQ(source.LookupSidText("S-1-5-1"), "Lin");
  EXPECT_EQ(api.lookups, 3);
}

TEST(EventLogSource, SidOutsideTheRecordIsNeverRead) {
  FakeEventLogApi api;
  api.accounts = {"Zhang"};
  const uint32_t huge = 0xFFFFFFF0;
  api.records = {
      MakeRecord(7035, 5, 0, huge),     // offset far outside
      MakeRecord(7035, 4, 0, 0, huge),  // length overflows the record
      MakeRecord(7035, 3, 0, 0, 4),     // too short to be a SID
      MakeRecord(7035, 2, 0),           // fine
  };
  // A SID whose sub-authority count claims more than its length holds.
  api.records.push_back(MakeRecord(7035, 1, 0));
  std::vector<uint8_t>& bad = api.records.back();
  bad[bad[44] + 1] = 15;
  EventLogSource source(api);
  ASSERT_TRUE(source.OpenSystemLog());
  const std::vector<TLogEvent> events = ReadAll(source);
  ASSERT_EQ(events.size(), 5u);
  for (size_t i : {0, 1, 2, 4}) {
    EXPECT_EQ(source.LookupUserName(events[i]), "N/A") << i;
  }
  EXPECT_EQ(source.LookupUserName(events[3]), "Zhang");
  EXPECT_EQ(api.lookups, 1);
}

TEST(EventLogSource, FeedsTheReconstruction) {
  FakeEventLogApi api;
  api.accounts = {"SYSTEM", "Wang"};
  api.records = {MakeRecord(7035, 1000, 1), MakeRecord(7035, 990, 0), MakeRecord(6005, 900),
                 MakeRecord(6006, 800), MakeRecord(6005, 100)};
  EventLogSource source(api);
  WindowsSessionSource sessions(source);
  TBootTable table;
  ReadBootEvents(sessions, RegionalFormats{}, table);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].UserName, "Wang");
  EXPECT_DOUBLE_EQ(table[0].StartTime, ConvertEventTime(900, RegionalFormats{}));
  EXPECT_DOUBLE_EQ(table[1].StopTime, ConvertEventTime(800, RegionalFormats{}));
  EXPECT_DOUBLE_EQ(table[1].StartTime, ConvertEventTime(100, RegionalFormats{}));
}

TEST(EventLogSource, SourceNamesAndStringsOfTodaysRecords) {
  FakeEventLogApi api;
  const std::string mark = "\xE2\x80\x8E";  // U+200E, as UTF-8 bytes
  api.records = {
      MakeStringsRecord(7001, 300, "Microsoft-Windows-Winlogon", {"1", "S-1-5-21-1-2-3-1001"}),
      MakeStringsRecord(1, 200, "Microsoft-Windows-Power-Troubleshooter",
                        {mark + "2020-12-06T03:53:19.5Z", "", "x"}),
      MakeStringsRecord(0x80001775, 100, "EventLog", {}),
  };
  EventLogSource source(api);
  ASSERT_TRUE(source.OpenSystemLog());
  const std::vector<TLogEvent> events = ReadAll(source);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].SourceName, "Microsoft-Windows-Winlogon");
  EXPECT_EQ(events[0].Strings, (std::vector<std::string>{"1", "S-1-5-21-1-2-3-1001"}));
  EXPECT_EQ(events[1].SourceName, "Microsoft-Windows-Power-Troubleshooter");
  // Direction marks and empty values pass through as they are.
  EXPECT_EQ(events[1].Strings,
            (std::vector<std::string>{mark + "2020-12-06T03:53:19.5Z", "", "x"}));
  EXPECT_EQ(events[2].SourceName, "EventLog");
  EXPECT_EQ(events[2].EventCode, 6005);
  EXPECT_TRUE(events[2].Strings.empty());
}

TEST(EventLogSource, LyingOffsetsAndCountsGiveNoStrings) {
  const std::vector<uint8_t> good =
      MakeStringsRecord(7001, 300, "Microsoft-Windows-Winlogon", {"1", "S-1-5-18"});
  auto with = [&good](size_t at, uint32_t value, int bytes) {
    std::vector<uint8_t> r = good;
    for (int i = 0; i < bytes; ++i) {
      r[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
    return r;
  };
  const uint32_t size = static_cast<uint32_t>(good.size());
  FakeEventLogApi api;
  api.records = {
      with(26, 40, 2),          // more than the bytes left could hold
      with(26, 0xFFFF, 2),      // far more
      with(36, size, 4),        // strings start at the record's end
      with(36, 0xFFFFFFF0, 4),  // far outside
      with(36, 8, 4),           // inside the fixed part
  };
  // A source name whose NUL is missing: every byte after the fixed part is a letter.
  std::vector<uint8_t> noNul = good;
  for (size_t i = 56; i < noNul.size() - 4; ++i) {
    noNul[i] = 'A';
  }
  api.records.push_back(noNul);
  // The name runs into the record's closing length: no NUL inside the texts.
  std::vector<uint8_t> cut(56, 0);
  const std::string name = "Microsoft-Windows-Winlogon";
  cut.insert(cut.end(), name.begin(), name.end());
  cut.insert(cut.end(), 4, 0);
  cut[0] = static_cast<uint8_t>(cut.size());
  cut[20] = 7001 & 0xFF;
  cut[21] = 7001 >> 8;
  cut[cut.size() - 4] = cut[0];
  api.records.push_back(cut);
  // Read in full, and as the boot table reads: these are all logon records.
  for (bool askedForLogons : {false, true}) {
    SCOPED_TRACE(askedForLogons);
    FakeEventLogApi fresh;
    fresh.records = api.records;
    EventLogSource source(fresh);
    if (askedForLogons) {
      source.DecodeDataOnlyOf(kWindowsRecordData);
    }
    ASSERT_TRUE(source.OpenSystemLog());
    const std::vector<TLogEvent> events = ReadAll(source);
    ASSERT_EQ(events.size(), 7u);
    for (size_t i = 0; i < 4; ++i) {
      EXPECT_TRUE(events[i].Strings.empty()) << i;
      EXPECT_EQ(events[i].SourceName, "Microsoft-Windows-Winlogon") << i;
    }
    EXPECT_TRUE(events[4].Strings.empty());
    for (size_t i : {5, 6}) {
      EXPECT_EQ(events[i].SourceName, "") << i;
      EXPECT_TRUE(events[i].Strings.empty()) << i;
    }
  }
}

TEST(EventLogSource, SavedLogsShowAccountsTheyCannotNameBySid) {
  FakeEventLogApi api;
  api.accounts = {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "SYSTEM"};
  std::vector<uint8_t> domainUser = MakeRecord(7035, 100, 21);  // S-1-5-21: no name here
  api.records = {MakeRecord(7035, 300, 18), domainUser, MakeRecord(7035, 50)};
  EventLogSource saved(api, TUnnamedAccount::kSidText);
  ASSERT_TRUE(saved.OpenSystemLog());
  const std::vector<TLogEvent> events = ReadAll(saved);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(saved.LookupUserName(events[0]), "SYSTEM");
  EXPECT_EQ(saved.LookupUserName(events[1]), "S-1-5-21");
  EXPECT_EQ(saved.LookupUserName(events[2]), "N/A");  // no SID at all
  EXPECT_EQ(saved.LookupSidText("S-1-5-18"), "SYSTEM");
  EXPECT_EQ(saved.LookupSidText("S-1-5-21-1-2-3-1001"), "S-1-5-21-1-2-3-1001");
  EXPECT_EQ(saved.LookupSidText("S-1-5-21-x"), "N/A");

  EventLogSource live(api);
  EXPECT_EQ(live.LookupUserName(events[1]), "N/A");
  EXPECT_EQ(live.LookupSidText("S-1-5-18"), "SYSTEM");
  EXPECT_EQ(live.LookupSidText("S-1-5-21-1-2-3-1001"), "N/A");
}

TEST(EventLogSource, OnlyASavedLogNamesItsAccountsByItsOwnRecords) {
  for (const TUnnamedAccount unnamed : {TUnnamedAccount::kSidText, TUnnamedAccount::kUnknownUser}) {
    FakeEventLogApi api;
    api.records = {MakeStringsRecord(1074, 300, "User32",
                                     {"x.exe", "PC", "", "0x0", "restart", "", "PC\\li"}, 21),
                   MakeRecord(7035, 210, 21), MakeRecord(6005, 200)};
    EventLogSource source(api, unnamed);
    WindowsSessionSource sessions(source);
    TBootTable table;
    ReadBootEvents(sessions, RegionalFormats{}, table);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].UserName, unnamed == TUnnamedAccount::kSidText ? "li" : "");
  }
}

// A log of records the session rules read, mixed with others that share their
// codes or their source names, and records with strings of their own.
std::vector<std::vector<uint8_t>> MixedLog() {
  const std::string winlogon = "Microsoft-Windows-Winlogon";
  const std::string wake = "Microsoft-Windows-Power-Troubleshooter";
  const std::string power = "Microsoft-Windows-Kernel-Power";
  return {
      MakeStringsRecord(7001, 900, winlogon,
                        {"1", "S-1-5-21-1-2-3-1001", "long enough to be heap"}),
      MakeStringsRecord(7001, 800, "Service Control Manager", {"a", "b", "c", "d"}),
      MakeStringsRecord(7001, 750, winlogon + "-Helper", {"1", "S-1-5-18"}),
      MakeStringsRecord(7001, 720, "Microsoft-Windows-Winlogo", {"1", "S-1-5-18"}),
      MakeStringsRecord(1, 700, wake, {"2020-12-06T03:53:19.5Z", "2020-12-06T04:00:00.5Z"}),
      MakeStringsRecord(1, 600, "Microsoft-Windows-Kernel-General", {"x"}),
      MakeStringsRecord(42, 500, power, {"4"}),
      MakeStringsRecord(42, 450, wake, {"5"}),
      MakeStringsRecord(6005, 400, "EventLog", {"ignored"}),
      MakeStringsRecord(41, 350, power, {"0", "0"}),
      MakeStringsRecord(0x40001B7B, 300, "Service Control Manager", {"svc", "start"}),
      MakeStringsRecord(7001, 200, winlogon, {"1"}),
      MakeRecord(6006, 100),
  };
}

TEST(EventLogSource, DecodesDataOnlyOfTheRecordsAsked) {
  FakeEventLogApi plainApi, askedApi;
  plainApi.records = askedApi.records = MixedLog();
  EventLogSource plain(plainApi), asked(askedApi);
  asked.DecodeDataOnlyOf(kWindowsRecordData);
  ASSERT_TRUE(plain.OpenSystemLog());
  ASSERT_TRUE(asked.OpenSystemLog());
  const std::vector<TLogEvent> all = ReadAll(plain), some = ReadAll(asked);
  ASSERT_EQ(all.size(), 13u);
  ASSERT_EQ(some.size(), all.size());
  std::vector<size_t> kept;
  for (size_t i = 0; i < all.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(some[i].EventCode, all[i].EventCode);
    EXPECT_EQ(some[i].TimeGenerated, all[i].TimeGenerated);
    EXPECT_EQ(some[i].HasUserSid, all[i].HasUserSid);
    EXPECT_EQ(some[i].UserSid, all[i].UserSid);
    if (!some[i].SourceName.empty()) {
      kept.push_back(i);
      EXPECT_EQ(some[i].SourceName, all[i].SourceName);
      EXPECT_EQ(some[i].Strings, all[i].Strings);
    } else {
      EXPECT_TRUE(some[i].Strings.empty());
    }
  }
  // Winlogon 7001 twice, the wake and Kernel-Power 42; not the same codes
  // from other sources (whose names may begin or end like these), nor these
  // sources' other codes.
  EXPECT_EQ(kept, (std::vector<size_t>{0, 4, 6, 11}));
  // A record passed over between two asked ones leaves nothing of the first.
  EXPECT_EQ(some[11].Strings, (std::vector<std::string>{"1"}));
}

// Fully decoded events replayed to the reconstruction, which cannot ask this
// source for less; users are looked up by the event log's own source.
class Replayed : public ListedEventSource {
 public:
  Replayed(std::vector<TLogEvent> events, EventLogSource& names)
      : ListedEventSource(std::move(events)), names_(names) {}
  std::string LookupUserName(const TLogEvent& event) override {
    return names_.LookupUserName(event);
  }
  std::string LookupSidText(const std::string& sidText) override {
    return names_.LookupSidText(sidText);
  }

 private:
  EventLogSource& names_;
};

TEST(EventLogSource, AskingForLessLeavesTheBootTableAsItWas) {
  FakeEventLogApi plainApi, api;
  plainApi.records = api.records = MixedLog();
  EventLogSource plain(plainApi, TUnnamedAccount::kSidText);
  ASSERT_TRUE(plain.OpenSystemLog());
  Replayed replayed(ReadAll(plain), plain);
  TBootTable expected, table;
  WindowsSessionSource replayedSessions(replayed);
  ReadBootEvents(replayedSessions, RegionalFormats{}, expected);

  EventLogSource source(api, TUnnamedAccount::kSidText);
  WindowsSessionSource sessions(source);
  ReadBootEvents(sessions, RegionalFormats{}, table);
  ASSERT_EQ(table.size(), expected.size());
  ASSERT_GE(table.size(), 3u);
  bool wake = false, sidUser = false;
  for (size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(table[i].StartTime, expected[i].StartTime);
    EXPECT_DOUBLE_EQ(table[i].StopTime, expected[i].StopTime);
    EXPECT_EQ(table[i].UserName, expected[i].UserName);
    EXPECT_EQ(table[i].BegunByWake, expected[i].BegunByWake);
    EXPECT_EQ(table[i].WakeUtc, expected[i].WakeUtc);
    EXPECT_EQ(table[i].StopKind, expected[i].StopKind);
    wake = wake || table[i].BegunByWake;
    sidUser = sidUser || table[i].UserName == "S-1-5-21-1-2-3-1001";
  }
  // The table does hold what only the data values give.
  EXPECT_TRUE(wake);
  EXPECT_TRUE(sidUser);
}

}  // namespace
