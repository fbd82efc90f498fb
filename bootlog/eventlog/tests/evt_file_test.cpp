#include <gtest/gtest.h>

#include <cstring>

#include "bootlog/complete.h"
#include "bootlog/eventlog/eventlog_source.h"
#include "bootlog/eventlog/evt_file_api.h"
#include "bootlog/eventlog/tests/evt_builder.h"
#include "bootlog/eventlog/tests/fake_eventlog_api.h"
#include "bootlog/reconstruct.h"
#include "bootlog/tests/temp_folder.h"
#include "bootlog/windows_sessions.h"

namespace {

constexpr uint32_t kBackwards = kEventLogSequentialRead | kEventLogBackwardsRead;

// Records 1..n, oldest first, each with its number as its time.
std::vector<std::vector<uint8_t>> Numbered(uint32_t n) {
  std::vector<std::vector<uint8_t>> records;
  for (uint32_t i = 1; i <= n; ++i) {
    records.push_back(MakeRecord(i % 2 ? 6005 : 6006, i));
  }
  return records;
}

struct TEvt : ::testing::Test {
  TTempFolder dir;
  std::string Write(const std::string& bytes) { return dir.Write("System.evt", bytes); }

  // The times of the events EventLogSource reads, and whether it saw the end or an error.
  std::vector<uint32_t> Times(const std::string& path, uint32_t* lastError = nullptr) {
    EvtFileApi api(path);
    EventLogSource source(api);
    std::vector<uint32_t> times;
    if (!source.OpenSystemLog()) {
      return times;
    }
    TLogEvent e;
    while (source.ReadNextEvent(e)) {
      times.push_back(e.TimeGenerated);
    }
    if (lastError) {
      *lastError = api.LastError();
    }
    return times;
  }
  static std::vector<uint32_t> Down(uint32_t from, uint32_t to) {
    std::vector<uint32_t> v;
    for (uint32_t i = from; i >= to && i > 0; --i) {
      v.push_back(i);
    }
    return v;
  }
};

TEST_F(TEvt, AnswersTheReadProtocolLikeTheService) {
  TEvtBuilder log;
  log.Records = Numbered(3);
  const TEvtBuilder::TLayout layout = log.Build();
  EvtFileApi api(Write(layout.Bytes));
  EventLogApi::Handle h = api.OpenLog("System");
  ASSERT_NE(h, nullptr);
  std::vector<uint8_t> buffer(4096);
  uint32_t read = 0, needed = 0;
  const uint32_t size = static_cast<uint32_t>(log.Records[2].size());
  // Too small: 122 and the size of the newest record.
  EXPECT_FALSE(api.ReadLog(h, kBackwards, 0, buffer.data(), 56, read, needed));
  EXPECT_EQ(api.LastError(), kErrorInsufficientBuffer);
  EXPECT_EQ(needed, size);
  EXPECT_EQ(read, 0u);
  // Exactly its size: that record, byte for byte.
  ASSERT_TRUE(api.ReadLog(h, kBackwards, 0, buffer.data(), size, read, needed));
  EXPECT_EQ(read, size);
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + read), log.Records[2]);
  // Room for more: as many whole records as fit, newest first.
  ASSERT_TRUE(api.ReadLog(h, kBackwards, 0, buffer.data(), 4096, read, needed));
  EXPECT_EQ(read, log.Records[1].size() + log.Records[0].size());
  EXPECT_EQ(buffer[12], 2);
  EXPECT_EQ(buffer[log.Records[1].size() + 12], 1);
  // Then the end, every time it is asked.
  EXPECT_FALSE(api.ReadLog(h, kBackwards, 0, buffer.data(), 4096, read, needed));
  EXPECT_EQ(api.LastError(), kErrorHandleEof);
  EXPECT_FALSE(api.ReadLog(h, kBackwards, 0, buffer.data(), 4096, read, needed));
  EXPECT_EQ(api.LastError(), kErrorHandleEof);
  // Only the sequential backwards read is served.
  EXPECT_EQ(api.OpenLog("System"), h);
  EXPECT_FALSE(api.ReadLog(h, kEventLogSequentialRead | 4, 0, buffer.data(), 4096, read, needed));
  EXPECT_EQ(api.LastError(), kErrorInvalidParameter);
  api.CloseLog(h);
  EXPECT_FALSE(api.ReadLog(h, kBackwards, 0, buffer.data(), 4096, read, needed));
}

TEST_F(TEvt, EmptyLogEndsAtOnce) {
  TEvtBuilder log;
  uint32_t error = 0;
  EXPECT_TRUE(Times(Write(log.Build().Bytes), &error).empty());
  EXPECT_EQ(error, kErrorHandleEof);
}

TEST_F(TEvt, WrappedBufferWithARecordSplitByTheWrapAndAStaleHeader) {
  TEvtBuilder log;
  log.Size = 48 + 40 * 100 + 2;  // not a whole number of records
  log.Start = log.Size - 250;    // the oldest records near the end, the rest wrap to offset 48
  log.Records = Numbered(30);
  log.HeaderStale = 7;
  const TEvtBuilder::TLayout layout = log.Build();
  // One record straddles the end of the file.
  bool split = false;
  for (size_t i = 0; i < layout.Offsets.size(); ++i) {
    split |= layout.Offsets[i] + log.Records[i].size() > log.Size;
  }
  ASSERT_TRUE(split);
  ASSERT_LT(layout.End, log.Start);
  uint32_t error = 0;
  EXPECT_EQ(Times(Write(layout.Bytes), &error), Down(30, 1));
  EXPECT_EQ(error, kErrorHandleEof);
}

TEST_F(TEvt, HeaderPointingIntoARecordIsPassedOver) {
  // A header left from long ago: its end and oldest record lie inside records
  // written since; the end-of-file record is found before where the header points.
  TEvtBuilder log;
  log.Size = 48 + 88 * 12;
  log.Start = 48 + 88 * 7;
  log.Records = Numbered(11);
  const TEvtBuilder::TLayout layout = log.Build();
  ASSERT_GT(layout.Offsets[1], layout.End);
  std::string bytes = layout.Bytes;
  TEvtBuilder::Word(bytes, 16, layout.Offsets[8] + 6);
  TEvtBuilder::Word(bytes, 20, layout.Offsets[1] + 10);
  TEvtBuilder::Word(bytes, 36, 1);  // dirty
  uint32_t error = 0;
  EXPECT_EQ(Times(Write(bytes), &error), Down(11, 1));
  EXPECT_EQ(error, kErrorHandleEof);
}

TEST_F(TEvt, CutFileGivesItsWholeRecordsThenAnError) {
  TEvtBuilder log;
  log.Records = Numbered(10);
  const TEvtBuilder::TLayout layout = log.Build();
  // Cut inside record 8: the end record is gone; records 1 to 7 are whole.
  uint32_t error = 0;
  EXPECT_EQ(Times(Write(layout.Bytes.substr(0, layout.Offsets[7] + 30)), &error), Down(7, 1));
  EXPECT_EQ(error, kErrorEventLogFileCorrupt);
  // Cut just after the header: nothing, then the error.
  EXPECT_TRUE(Times(Write(layout.Bytes.substr(0, 60)), &error).empty());
  EXPECT_EQ(error, kErrorEventLogFileCorrupt);

  // A wrapped log cut at its end: the newest records, at the start of the buffer, stand.
  TEvtBuilder wrapped;
  wrapped.Size = 48 + 88 * 10;
  wrapped.Start = 48 + 88 * 6;
  wrapped.Records = Numbered(8);
  const TEvtBuilder::TLayout w = wrapped.Build();
  ASSERT_EQ(w.Offsets[4], 48u);
  EXPECT_EQ(Times(Write(w.Bytes.substr(0, 48 + 88 * 6 + 150)), &error), Down(8, 5));
  EXPECT_EQ(error, kErrorEventLogFileCorrupt);
}

TEST_F(TEvt, ARecordSplitByTheWrapOfACutFileIsNotWhole) {
  // The log's buffer ends 20 bytes past the cut file: the record split by the
  // wrap has its lengths and signature in the file but not its middle.
  TEvtBuilder log;
  log.Size = 48 + 40 * 100 + 2;
  log.Start = log.Size - 250;
  log.Records = Numbered(30);
  const TEvtBuilder::TLayout layout = log.Build();
  ASSERT_LT(layout.Offsets[2], log.Size - 20);
  ASSERT_GT(layout.Offsets[2] + log.Records[2].size(), log.Size);
  const std::string path = Write(layout.Bytes.substr(0, log.Size - 20));
  TEvtFile file;
  ASSERT_EQ(file.Open(path), "");
  const TEvtFile::TIndex index = file.Index();
  EXPECT_TRUE(index.Damaged);
  ASSERT_EQ(index.Records.size(), 27u);
  EXPECT_EQ(index.Records.back().Offset, layout.Offsets[3]);
  uint32_t error = 0;
  EXPECT_EQ(Times(path, &error), Down(30, 4));
  EXPECT_EQ(error, kErrorEventLogFileCorrupt);
}

TEST_F(TEvt, ALogClaimingFarMoreThanItsFileIsReadOnlyWhereTheFileIs) {
  TEvtBuilder log;
  log.Records = Numbered(10);
  const TEvtBuilder::TLayout layout = log.Build();
  std::string bytes = layout.Bytes.substr(0, layout.End + 40);
  TEvtBuilder::Word(bytes, 32, 0xFFFFFFF0);
  uint32_t error = 0;
  EXPECT_EQ(Times(Write(bytes), &error), Down(10, 1));
  EXPECT_EQ(error, kErrorHandleEof);
  // Without its end record: searched for through the file, not through 4 GB.
  EXPECT_EQ(Times(Write(bytes.substr(0, layout.End)), &error), Down(10, 1));
  EXPECT_EQ(error, kErrorEventLogFileCorrupt);
}

TEST_F(TEvt, LyingLengthsStopTheReadAtTheNewestWholeRecords) {
  TEvtBuilder log;
  log.Records = Numbered(6);
  const TEvtBuilder::TLayout layout = log.Build();
  const uint32_t r3 = layout.Offsets[2];
  const uint32_t len3 = static_cast<uint32_t>(log.Records[2].size());
  const std::pair<size_t, uint32_t> lies[] = {
      {r3, len3 + 4},                   // leading length differs from the trailing one
      {r3 + len3 - 4, len3 - 8},        // trailing length points into the record
      {r3 + len3 - 4, 0xFFFFFFF0},      // far outside the file
      {r3 + len3 - 4, 8},               // shorter than any record
      {r3 + len3 - 4, r3 + len3 - 40},  // reaches back past the oldest record
      {r3 + 4, 0x454C664C},             // no signature
  };
  for (const auto& [at, value] : lies) {
    std::string bytes = layout.Bytes;
    TEvtBuilder::Word(bytes, at, value);
    uint32_t error = 0;
    EXPECT_EQ(Times(Write(bytes), &error), Down(6, 4)) << at << " " << value;
    EXPECT_EQ(error, kErrorEventLogFileCorrupt);
  }
  // An end record that claims an oldest record outside the buffer is no end record.
  std::string bytes = layout.Bytes;
  TEvtBuilder::Word(bytes, layout.End + 20, 0x7FFFFFFF);
  EXPECT_EQ(Times(Write(bytes)), Down(6, 1));
}

TEST_F(TEvt, FilesThatAreNoEventLogs) {
  TEvtBuilder log;
  log.Records = Numbered(2);
  const std::string good = log.Build().Bytes;
  std::string signature = good, sizes = good, maxSize = good;
  signature[4] = 'X';
  TEvtBuilder::Word(sizes, 44, 0x34);
  TEvtBuilder::Word(maxSize, 32, 80);
  const std::pair<std::string, std::string> cases[] = {
      {good.substr(0, 47), "not an event log (shorter than its header)"},
      {signature, "not an event log (no LfLe signature)"},
      {sizes, "not an event log (bad header sizes)"},
      {maxSize, "not an event log (bad header sizes)"},
  };
  for (const auto& [bytes, why] : cases) {
    const std::string path = Write(bytes);
    EXPECT_EQ(EvtFileApi::Problem(path), path + ": " + why);
    EvtFileApi api(path);
    EventLogSource source(api);
    EXPECT_FALSE(source.OpenSystemLog());
  }
  const std::string missing = dir.Path("none.evt");
  EXPECT_EQ(EvtFileApi::Problem(missing), missing + ": cannot be read");
  EXPECT_EQ(EvtFileApi::Problem(Write(good)), "");
}

TEST_F(TEvt, WellKnownAccountsAreNamedAndOthersAreNot) {
  auto sidRecord = [](uint32_t time, const std::vector<uint8_t>& sid) {
    std::vector<uint8_t> r = MakeRecord(7035, time);
    const size_t at = r.size() - 4;  // after the names, before the trailing length
    std::vector<uint8_t> padded = sid;
    padded.resize((sid.size() + 3) / 4 * 4, 0);
    r.insert(r.begin() + static_cast<std::ptrdiff_t>(at), padded.begin(), padded.end());
    TEvtBuilder::Word(r, 40, static_cast<uint32_t>(sid.size()));
    TEvtBuilder::Word(r, 44, static_cast<uint32_t>(at));
    TEvtBuilder::Word(r, 0, static_cast<uint32_t>(r.size()));
    TEvtBuilder::Word(r, r.size() - 4, static_cast<uint32_t>(r.size()));
    return r;
  };
  TEvtBuilder log;
  log.Records = {
      sidRecord(1, {1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0}),
      sidRecord(2, {1, 1, 0, 0, 0, 0, 0, 5, 19, 0, 0, 0}),
      sidRecord(3, {1, 1, 0, 0, 0, 0, 0, 5, 20, 0, 0, 0}),
      sidRecord(4, {1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 0x20, 2, 0, 0}),
      sidRecord(5, {1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0}),
      sidRecord(6,
                {1, 5, 0, 0, 0, 0, 0, 5, 21, 0,    0, 0, 1, 0, 0,
                 0, 2, 0, 0, 0, 3, 0, 0, 0,  0xF4, 1, 0, 0}),  // an Administrator of one computer
      sidRecord(7, {1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0}),        // cut short
      MakeRecord(7035, 8),                                     // no SID at all
  };
  EvtFileApi api(Write(log.Build().Bytes));
  EventLogSource source(api, TUnnamedAccount::kSidText);
  ASSERT_TRUE(source.OpenSystemLog());
  std::vector<std::string> names;
  TLogEvent e;
  while (source.ReadNextEvent(e)) {
    names.push_back(source.LookupUserName(e));
  }
  // Another computer's account shows as its SID; no SID, or a cut one, as "N/A".
  EXPECT_EQ(names, (std::vector<std::string>{"N/A", "N/A", "S-1-5-21-1-2-3-500", "Everyone",
                                             "Administrators", "NETWORK SERVICE", "LOCAL SERVICE",
                                             "SYSTEM"}));
  // A buffer too small for the name fails like LookupAccountSidA.
  const uint8_t system[] = {1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0};
  char name[16], domain[20];
  uint32_t nameSize = 6, domainSize = 20;
  EXPECT_FALSE(api.LookupAccount(system, name, nameSize, domain, domainSize));
  EXPECT_EQ(api.LastError(), kErrorInsufficientBuffer);
  EXPECT_EQ(nameSize, 7u);
  nameSize = 7;
  EXPECT_TRUE(api.LookupAccount(system, name, nameSize, domain, domainSize));
  EXPECT_STREQ(name, "SYSTEM");
  EXPECT_STREQ(domain, "NT AUTHORITY");
}

TEST_F(TEvt, ASavedLogGivesTheBootTable) {
  TEvtBuilder log;
  log.Size = 48 + 96 * 8;
  log.Start = 48 + 96 * 5;
  // Oldest first: a clean boot with a user, a boot that lost power, the running boot.
  const uint32_t t1 = 1236000000;
  log.Records = {MakeRecord(6005, t1),          MakeRecord(7035, t1 + 60, 1),
                 MakeRecord(6006, t1 + 36000),  MakeRecord(6005, t1 + 86400),
                 MakeRecord(6005, t1 + 172800), MakeRecord(7035, t1 + 172860, 1)};
  log.HeaderStale = 2;
  EvtFileApi api(Write(log.Build().Bytes));
  EventLogSource source(api, TUnnamedAccount::kSidText);
  WindowsSessionSource sessions(source);
  TBootTable table;
  ReadBootEvents(sessions, RegionalFormats{}, table);
  const TBootCompletion c = CompleteBootTable(table, RegionalFormats{});
  ASSERT_EQ(c.Rows.size(), 3u);
  EXPECT_EQ(c.Rows[0].Columns[4], "正常,运行中...");
  EXPECT_EQ(c.Rows[0].Columns[3], "S-1-5-1");  // no well-known account: its SID
  EXPECT_EQ(c.Rows[1].Columns[4], "非正常关机");
  EXPECT_EQ(c.Rows[2].Columns[2], "10 时");
  EXPECT_EQ(c.TotalSeconds, 36000);
}

}  // namespace
