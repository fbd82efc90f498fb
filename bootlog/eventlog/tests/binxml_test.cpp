#include <gtest/gtest.h>

#include "bootlog/eventlog/evtx_file.h"
#include "bootlog/eventlog/evtx_value.h"
#include "bootlog/eventlog/tests/evtx_builder.h"

namespace {

using TValue = TEvtxChunkBuilder::TValue;

const TValue kSystemSid{0x13, {1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0}};
constexpr uint64_t kFileTime = 132517003995979861ULL;  // 2020-12-06T03:53:19.5979861Z

TValue StringArray(const std::vector<std::string>& items) {
  TValue v{0x81, {}};
  for (const std::string& s : items) {
    TValue one = TEvtxChunkBuilder::Str(s);
    v.Bytes.insert(v.Bytes.end(), one.Bytes.begin(), one.Bytes.end());
    v.Bytes.push_back(0);
    v.Bytes.push_back(0);
  }
  return v;
}

// Event/System as Windows writes it, with values 0..4; `eventData` writes the rest.
void EventTemplate(TEvtxChunkBuilder& b, const std::function<void()>& eventData) {
  b.Fragment();
  b.Open("Event");
  b.CloseStart();
  b.System("PC");
  eventData();
  b.End();
  b.Eof();
}

std::vector<TValue> SystemValues(const std::string& provider, TValue qualifiers, uint16_t id,
                                 TValue sid) {
  return {TEvtxChunkBuilder::Str(provider), qualifiers, TEvtxChunkBuilder::Num(0x06, id, 2),
          TEvtxChunkBuilder::Num(0x11, kFileTime, 8), sid};
}

std::vector<TEvtxRecord> Read(const std::vector<uint8_t>& chunk) {
  std::vector<TEvtxRecord> records;
  TEvtxFile::ReadChunk(chunk.data(), records);
  return records;
}

TEST(BinXml, ATemplateGivesTheSystemFieldsAndTheDataInOrder) {
  TEvtxChunkBuilder b;
  size_t definition = 0;
  auto body = [&b] {
    EventTemplate(b, [&b] {
      b.Open("EventData");
      b.CloseStart();
      for (uint16_t id = 5; id <= 8; ++id) {
        b.Open("Data", true);
        b.Attribute("Name");
        b.Text("v");
        b.CloseStart();
        b.Sub(id, id == 6 ? 0x08 : id == 8 ? 0x81 : 0x01, id == 7);
        b.End();
      }
      b.Open("Data");  // a text with a character and an entity reference
      b.CloseStart();
      b.Text("a");
      b.U8(0x48);
      b.U16('<');
      b.U8(0x09);
      b.NameRef("amp");
      b.End();
      b.Open("Binary");  // raw data: no insertion string
      b.CloseStart();
      b.Text("00FF");
      b.End();
      b.End();
    });
  };
  b.Record(41, 7, [&] {
    b.Fragment();
    definition = b.Template(body, [] {
      std::vector<TValue> v =
          SystemValues("Microsoft-Windows-Power-Troubleshooter", TValue{0x00, {}}, 1, kSystemSid);
      v.push_back(TEvtxChunkBuilder::Str("2020-12-06T03:53:19.5979861Z"));
      v.push_back(TEvtxChunkBuilder::Num(0x08, 4294967295u, 4));
      v.push_back(TValue{0x00, {}});  // optional and missing: the element is not there
      v.push_back(StringArray({"x", "", "z"}));
      return v;
    }());
    b.Eof();
  });
  // The next record uses the definition by its offset, with other values.
  b.Record(42, 8, [&] {
    b.Template(
        body,
        [] {
          std::vector<TValue> v = SystemValues("EventLog", TEvtxChunkBuilder::Num(0x06, 0x8000, 2),
                                               6005, TValue{0x00, {}});
          v.push_back(TEvtxChunkBuilder::Str("1"));
          v.push_back(TEvtxChunkBuilder::Num(0x08, 2, 4));
          v.push_back(TEvtxChunkBuilder::Str("3"));
          v.push_back(StringArray({}));
          return v;
        }(),
        definition);
    b.Eof();
  });
  const std::vector<TEvtxRecord> records = Read(b.Finish(41, 42));
  ASSERT_EQ(records.size(), 2u);
  const TEvtxRecord& wake = records[0];
  EXPECT_EQ(wake.Number, 41u);
  EXPECT_EQ(wake.Written, 7u);
  EXPECT_EQ(wake.Created, kFileTime);
  EXPECT_EQ(wake.Provider, "Microsoft-Windows-Power-Troubleshooter");
  EXPECT_EQ(wake.EventId, 1);
  EXPECT_FALSE(wake.HasQualifiers);
  EXPECT_EQ(wake.Sid, std::string(kSystemSid.Bytes.begin(), kSystemSid.Bytes.end()));
  EXPECT_EQ(wake.Computer, "PC");
  EXPECT_EQ(wake.Values, (std::vector<std::string>{"2020-12-06T03:53:19.5979861Z", "4294967295",
                                                   "x", "", "z", "a<&"}));
  const TEvtxRecord& boot = records[1];
  EXPECT_EQ(boot.Provider, "EventLog");
  EXPECT_EQ(boot.EventId, 6005);
  ASSERT_TRUE(boot.HasQualifiers);
  EXPECT_EQ(boot.Qualifiers, 0x8000);
  EXPECT_EQ(boot.Sid, "");
  EXPECT_EQ(boot.Values, (std::vector<std::string>{"1", "2", "3", "a<&"}));  // empty array: none
}

TEST(BinXml, EventDataAsAnEmbeddedDocument) {
  // Offsets inside an embedded document are chunk offsets: it is written in place.
  TEvtxChunkBuilder c;
  c.Record(7, 1, [&] {
    c.Fragment();
    c.U8(0x0C);
    c.U8(1);
    c.U32(1);
    const size_t definition = c.At + 4;
    c.U32(static_cast<uint32_t>(definition));
    c.U32(0);
    for (int i = 0; i < 16; ++i) {
      c.U8(0);
    }
    const size_t sizeAt = c.At;
    c.U32(0);
    const size_t start = c.At;
    EventTemplate(c, [&c] { c.Sub(5, 0x21); });
    c.Put32(sizeAt, static_cast<uint32_t>(c.At - start));
    std::vector<TValue> v =
        SystemValues("Microsoft-Windows-Winlogon", TValue{0x00, {}}, 7001, kSystemSid);
    c.U32(6);
    const size_t descriptors = c.At;
    for (int i = 0; i < 6; ++i) {
      c.U32(0);
    }
    for (size_t i = 0; i < v.size(); ++i) {
      c.Bytes[descriptors + 4 * i] = static_cast<uint8_t>(v[i].Bytes.size());
      c.Bytes[descriptors + 4 * i + 2] = v[i].Type;
      for (uint8_t byte : v[i].Bytes) {
        c.U8(byte);
      }
    }
    const size_t embedded = c.At;
    c.Fragment();
    c.Template(
        [&c] {
          c.Fragment();
          c.Open("EventData");
          c.CloseStart();
          c.Open("Data");
          c.CloseStart();
          c.Sub(0, 0x08);
          c.End();
          c.Open("Data");
          c.CloseStart();
          c.Sub(1, 0x01);
          c.End();
          c.End();
          c.Eof();
        },
        {TEvtxChunkBuilder::Num(0x08, 1, 4), TEvtxChunkBuilder::Str("S-1-5-21-1-2-3-1001")});
    c.Eof();
    c.Bytes[descriptors + 4 * 5] = static_cast<uint8_t>(c.At - embedded);
    c.Bytes[descriptors + 4 * 5 + 1] = static_cast<uint8_t>((c.At - embedded) >> 8);
    c.Bytes[descriptors + 4 * 5 + 2] = 0x21;
    c.Eof();
  });
  const std::vector<TEvtxRecord> records = Read(c.Finish(7, 7));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].Provider, "Microsoft-Windows-Winlogon");
  EXPECT_EQ(records[0].EventId, 7001);
  EXPECT_EQ(records[0].Values, (std::vector<std::string>{"1", "S-1-5-21-1-2-3-1001"}));
}

// A record of one element with a text.
size_t SimpleRecord(TEvtxChunkBuilder& b, uint64_t number) {
  return b.Record(number, number, [&b] {
    b.Fragment();
    b.Open("Event");
    b.CloseStart();
    b.Text("t");
    b.End();
    b.Eof();
  });
}

TEST(BinXml, DamagedRecordsAreSkippedAndTheRestRead) {
  TEvtxChunkBuilder b;
  SimpleRecord(b, 1);
  const size_t badSignature = SimpleRecord(b, 2);
  const size_t badCopy = SimpleRecord(b, 3);
  const size_t badToken = b.Record(4, 4, [&b] {
    b.Fragment();
    b.U8(0x1F);  // no such token
  });
  const size_t nameOutside = b.Record(5, 5, [&b] {
    b.U8(0x01);
    b.U16(0xFFFF);
    b.U32(0);
    b.U32(0xFFFA);  // the name would run past the chunk
  });
  SimpleRecord(b, 6);
  std::vector<uint8_t> chunk = b.Finish(1, 6);
  chunk[badSignature] = '*' + 1;
  chunk[badCopy + 4] += 8;  // its size no longer matches the copy at its end
  (void)badToken;
  (void)nameOutside;
  std::vector<uint64_t> numbers;
  for (const TEvtxRecord& r : Read(chunk)) {
    numbers.push_back(r.Number);
  }
  EXPECT_EQ(numbers, (std::vector<uint64_t>{1, 6}));
}

TEST(BinXml, ATemplateThatUsesItselfEndsInsteadOfLooping) {
  TEvtxChunkBuilder b;
  b.Record(1, 1, [&b] {
    b.U8(0x0C);
    b.U8(1);
    b.U32(1);
    const size_t definition = b.At + 4;
    b.U32(static_cast<uint32_t>(definition));
    b.U32(0);
    for (int i = 0; i < 16; ++i) {
      b.U8(0);
    }
    const size_t sizeAt = b.At;
    b.U32(0);
    const size_t start = b.At;
    b.Fragment();
    for (int i = 0; i < 8; ++i) {  // eight instances of this very template
      b.U8(0x0C);
      b.U8(1);
      b.U32(1);
      b.U32(static_cast<uint32_t>(definition));
      b.U32(0);
    }
    b.Eof();
    b.Put32(sizeAt, static_cast<uint32_t>(b.At - start));
    b.U32(0);
    b.Eof();
  });
  SimpleRecord(b, 2);
  std::vector<uint64_t> numbers;
  for (const TEvtxRecord& r : Read(b.Finish(1, 2))) {
    numbers.push_back(r.Number);
  }
  EXPECT_EQ(numbers, (std::vector<uint64_t>{2}));
}

TEST(BinXml, ChunksWhoseHeaderLiesAreSkipped) {
  auto chunk = [](uint64_t number) {
    TEvtxChunkBuilder b;
    SimpleRecord(b, number);
    return b.Finish(number, number);
  };
  std::vector<uint8_t> noSignature = chunk(1);
  noSignature[0] = 'X';
  std::vector<uint8_t> freeSpaceOutside = chunk(2);
  freeSpaceOutside[48] = 0x01;
  freeSpaceOutside[50] = 0x01;  // 0x10001 + ...
  std::vector<uint8_t> lastRecordPastFreeSpace = chunk(3);
  lastRecordPastFreeSpace[44] = 0xF0;
  lastRecordPastFreeSpace[45] = 0xFF;
  std::vector<uint8_t> badChecksums = chunk(4);  // checksums are not checked
  for (size_t i : {52, 53, 124, 125}) {
    badChecksums[i] = 0xAB;
  }
  EXPECT_TRUE(Read(noSignature).empty());
  EXPECT_TRUE(Read(freeSpaceOutside).empty());
  EXPECT_TRUE(Read(lastRecordPastFreeSpace).empty());
  ASSERT_EQ(Read(badChecksums).size(), 1u);
}

TEST(EvtxValue, TextsAsWindowsShowsThem) {
  auto text = [](const TValue& v) {
    std::string out;
    AppendValueText(v.Type, v.Bytes.data(), v.Bytes.size(), out);
    return out;
  };
  using B = TEvtxChunkBuilder;
  EXPECT_EQ(text(B::Num(0x03, 0xFF, 1)), "-1");
  EXPECT_EQ(text(B::Num(0x07, 0xFFFFFDE4, 4)), "-540");
  EXPECT_EQ(text(B::Num(0x0A, 18446744073709551615ULL, 8)), "18446744073709551615");
  EXPECT_EQ(text(B::Num(0x14, 0xC000000D, 4)), "0xc000000d");
  EXPECT_EQ(text(B::Num(0x15, 0x80000000000000ULL, 8)), "0x0080000000000000");
  EXPECT_EQ(text(B::Num(0x0D, 1, 4)), "true");
  EXPECT_EQ(text(B::Num(0x11, kFileTime, 8)), "2020-12-06T03:53:19.597986100Z");
  EXPECT_EQ(text(B::Num(0x11, 0, 8)), "1601-01-01T00:00:00.000000000Z");
  EXPECT_EQ(text(TValue{0x0E, {0x00, 0xAB, 0x10}}), "00AB10");
  EXPECT_EQ(text(TValue{0x0F,
                        {0x28, 0x5E, 0xC0, 0xCD, 0x49, 0xC4, 0xC6, 0x49, 0xB9, 0xD2, 0x88, 0xCF,
                         0x76, 0x16, 0x44, 0xDF}}),
            "{CDC05E28-C449-49C6-B9D2-88CF761644DF}");
  EXPECT_EQ(text(kSystemSid), "S-1-5-18");
  // UTF-16: a pair, an unpaired surrogate, then the text ends at a NUL.
  EXPECT_EQ(text(TValue{0x01, {0x3D, 0xD8, 0x00, 0xDE, 0x00, 0xD8, 0x41, 0x00, 0, 0, 0x42, 0}}),
            "\xF0\x9F\x98\x80\xEF\xBF\xBD"
            "A");
  EXPECT_EQ(text(TValue{0x01, {0x0E, 0x20, 0x32, 0x00}}),
            "\xE2\x80\x8E"
            "2");  // U+200E kept
  EXPECT_EQ(text(TValue{0x02, {'a', 'b', 0, 'c'}}), "ab");
  EXPECT_EQ(text(TValue{0x88, {1, 0, 0, 0, 2, 0, 0, 0}}), "1, 2");
  EXPECT_EQ(text(TValue{0x07, {1, 2}}), "");  // too short for its type
}

}  // namespace
