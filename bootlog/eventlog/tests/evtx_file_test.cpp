#include <gtest/gtest.h>

#include "bootlog/eventlog/eventlog_source.h"
#include "bootlog/eventlog/evt_file_api.h"
#include "bootlog/eventlog/evtx_file_api.h"
#include "bootlog/eventlog/tests/evtx_builder.h"
#include "bootlog/tests/temp_folder.h"

namespace {

constexpr uint32_t kBackwards = kEventLogSequentialRead | kEventLogBackwardsRead;
constexpr uint64_t kFileTime1970 = 116444736000000000ULL;

// A chunk of today's records numbered `first`.., each written `number`
// seconds after 1970, by the given providers with the given values.
std::vector<uint8_t> Chunk(uint64_t first, const std::vector<std::string>& providers,
                           const std::vector<std::u16string>& values = {}) {
  TEvtxChunkBuilder b;
  size_t definition = 0;
  uint64_t number = first;
  for (const std::string& provider : providers) {
    auto body = [&b] {
      b.Fragment();
      b.Open("Event");
      b.CloseStart();
      b.System();
      b.Open("EventData");
      b.CloseStart();
      b.Open("Data");
      b.CloseStart();
      b.Sub(5, 0x81);
      b.End();
      b.End();
      b.End();
      b.Eof();
    };
    const uint64_t n = number++;
    b.Record(n, kFileTime1970 + n * 10000000 + 5000000, [&] {
      std::vector<TEvtxChunkBuilder::TValue> v = {
          TEvtxChunkBuilder::Str(provider),
          provider == "EventLog" ? TEvtxChunkBuilder::Num(0x06, 0x8000, 2)
                                 : TEvtxChunkBuilder::TValue{0x00, {}},
          TEvtxChunkBuilder::Num(0x06, provider == "EventLog" ? 6005 : 7001, 2),
          TEvtxChunkBuilder::Num(0x11, kFileTime1970 + n * 10000000, 8),
          provider == "EventLog"
              ? TEvtxChunkBuilder::TValue{0x00, {}}
              : TEvtxChunkBuilder::TValue{0x13, {1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0}},
          TEvtxChunkBuilder::TValue{0x81, {}}};
      for (const std::u16string& value : values) {
        for (char16_t c : value) {
          v[5].Bytes.push_back(static_cast<uint8_t>(c));
          v[5].Bytes.push_back(static_cast<uint8_t>(c >> 8));
        }
        v[5].Bytes.push_back(0);
        v[5].Bytes.push_back(0);
      }
      b.Fragment();
      definition = b.Template(body, v, definition);
      b.Eof();
    });
  }
  return b.Finish(first, number - 1);
}

struct TEvtx : ::testing::Test {
  TTempFolder dir;
  std::string Write(const std::vector<uint8_t>& bytes) {
    return dir.Write("System.evtx", std::string(bytes.begin(), bytes.end()));
  }
  std::vector<TLogEvent> Events(EventLogApi& api) {
    EventLogSource source(api, TUnnamedAccount::kSidText);
    std::vector<TLogEvent> events;
    if (!source.OpenSystemLog()) {
      return events;
    }
    TLogEvent e;
    while (source.ReadNextEvent(e)) {
      events.push_back(e);
    }
    return events;
  }
};

TEST_F(TEvtx, WhatIsNoEvtxFileIsNamed) {
  const std::string short_ = Write(std::vector<uint8_t>(100, 0));
  EXPECT_EQ(EvtxFileApi::Problem(short_), short_ + ": not an .evtx log (shorter than its header)");
  std::vector<uint8_t> evt = EvtxFileBytes({});
  evt[0] = 'L';
  const std::string other = Write(evt);
  EXPECT_EQ(EvtxFileApi::Problem(other), other + ": not an .evtx log (no ElfFile signature)");
  const std::string missing = dir.Path("none.evtx");
  EXPECT_EQ(EvtxFileApi::Problem(missing), missing + ": cannot be read");
  EvtxFileApi api(missing);
  EXPECT_EQ(api.OpenLog("System"), nullptr);
  // A header and no chunks is an empty log.
  EvtxFileApi empty(Write(EvtxFileBytes({})));
  EXPECT_EQ(EvtxFileApi::Problem(Write(EvtxFileBytes({}))), "");
  EXPECT_TRUE(Events(empty).empty());
}

TEST_F(TEvtx, WrappedChunksAreReadNewestFirstByNumber) {
  // A full log that wrapped: its newest chunk sits before its oldest.
  std::vector<uint8_t> broken = Chunk(20, {"X"});
  broken[0] = 0;  // a chunk without its signature: skipped
  const std::vector<uint8_t> file =
      EvtxFileBytes({Chunk(7, {"EventLog", "Microsoft-Windows-Winlogon"}), broken,
                     Chunk(3, {"A", "B", "C"}), Chunk(6, {"D"})});
  std::vector<uint8_t> cut = file;
  cut.resize(cut.size() - 100);  // the last chunk is cut short: not read
  TEvtxFile evtx;
  ASSERT_EQ(evtx.Open(Write(file)), "");
  std::vector<uint64_t> numbers;
  for (const TEvtxRecord& r : evtx.ReadAll()) {
    numbers.push_back(r.Number);
  }
  EXPECT_EQ(numbers, (std::vector<uint64_t>{8, 7, 6, 5, 4, 3}));
  ASSERT_EQ(evtx.Open(Write(cut)), "");
  EXPECT_EQ(evtx.ReadAll().size(), 5u);
}

TEST_F(TEvtx, RecordsAsReadEventLogGivesThem) {
  const std::string mark = "\xE2\x80\x8E";  // U+200E
  EvtxFileApi api(Write(EvtxFileBytes({Chunk(1, {"EventLog", "Microsoft-Windows-Winlogon"},
                                             {u"1", u"\u200eS-1-5-21-1-2-3-1001"})})));
  const std::vector<TLogEvent> events = Events(api);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].SourceName, "Microsoft-Windows-Winlogon");
  EXPECT_EQ(events[0].EventCode, 7001);
  EXPECT_EQ(events[0].TimeGenerated, 2u);
  EXPECT_EQ(events[0].Strings, (std::vector<std::string>{"1", mark + "S-1-5-21-1-2-3-1001"}));
  EXPECT_EQ(events[1].SourceName, "EventLog");
  EXPECT_EQ(events[1].EventCode, 6005);
  EXPECT_EQ(events[1].TimeGenerated, 1u);
  EXPECT_FALSE(events[1].HasUserSid);

  // The raw record: the qualifiers in the high 16 bits, the SID of SYSTEM.
  ASSERT_NE(api.OpenLog("System"), nullptr);
  uint8_t buffer[4096];
  uint32_t read = 0, needed = 0;
  ASSERT_FALSE(api.ReadLog(&api, kBackwards, 0, buffer, 56, read, needed));
  EXPECT_EQ(api.LastError(), kErrorInsufficientBuffer);
  EXPECT_GT(needed, 56u);
  ASSERT_TRUE(api.ReadLog(&api, kBackwards, 0, buffer, sizeof buffer, read, needed));
  const uint32_t first = buffer[0] | buffer[1] << 8;
  EXPECT_LT(first, read);  // both records fit: both come
  const uint8_t* second = buffer + first;
  EXPECT_EQ(second[20] | second[21] << 8 | second[22] << 16 | second[23] << 24, 0x80001775);
  EXPECT_EQ(buffer[40], 12);  // SID length
  EXPECT_EQ(buffer[buffer[44] + 8], 18);
  EXPECT_FALSE(api.ReadLog(&api, kBackwards, 0, buffer, sizeof buffer, read, needed));
  EXPECT_EQ(api.LastError(), kErrorHandleEof);
  EXPECT_FALSE(api.ReadLog(&api, kEventLogSequentialRead, 0, buffer, sizeof buffer, read, needed));
  EXPECT_EQ(api.LastError(), kErrorInvalidParameter);
  api.CloseLog(&api);
  EXPECT_FALSE(api.ReadLog(&api, kBackwards, 0, buffer, sizeof buffer, read, needed));
  EXPECT_EQ(api.LastError(), kErrorInvalidHandle);
}

// A code page without the direction mark, as the ANSI API of a Chinese Windows.
class TQuestionMarkApi : public EvtxFileApi {
 public:
  using EvtxFileApi::EvtxFileApi;

 protected:
  std::string Ansi(const std::string& utf8) const override {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
      if (static_cast<uint8_t>(utf8[i]) >= 0x80) {
        out += '?';
        while (i + 1 < utf8.size() && (static_cast<uint8_t>(utf8[i + 1]) & 0xC0) == 0x80) {
          ++i;
        }
      } else {
        out += utf8[i];
      }
    }
    return out;
  }
};

TEST_F(TEvtx, TextsComeInTheAnsiCodePage) {
  TQuestionMarkApi api(
      Write(EvtxFileBytes({Chunk(1, {"Microsoft-Windows-Winlogon"}, {u"\u200e2020"})})));
  const std::vector<TLogEvent> events = Events(api);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].Strings, std::vector<std::string>{"?2020"});
}

TEST_F(TEvtx, UsersOfAnotherComputerShowAsSidTexts) {
  EvtxFileApi api(Write(EvtxFileBytes({Chunk(1, {"Microsoft-Windows-Winlogon"})})));
  EventLogSource source(api, TUnnamedAccount::kSidText);
  ASSERT_TRUE(source.OpenSystemLog());
  TLogEvent e;
  ASSERT_TRUE(source.ReadNextEvent(e));
  EXPECT_EQ(source.LookupUserName(e), "SYSTEM");
  EXPECT_EQ(source.LookupSidText("S-1-5-21-2595688666-2948619230-3055395256-1000"),
            "S-1-5-21-2595688666-2948619230-3055395256-1000");
  EXPECT_EQ(source.LookupSidText("S-1-5-19"), "LOCAL SERVICE");
}

}  // namespace
