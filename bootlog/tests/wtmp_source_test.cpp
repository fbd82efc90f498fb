#include "bootlog/wtmp_source.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "bootlog/tests/read_events.h"
#include "bootlog/tests/temp_folder.h"
#include "bootlog/wtmp_record.h"

namespace {

using enum TSessionEvent::TKind;

constexpr int16_t kRunLevel = 1, kBoot = 2, kLoginProcess = 6, kUser = 7, kDead = 8;

// One record of the layout Linux writes, built byte by byte.
std::string Record(int16_t type, const std::string& user, uint32_t seconds) {
  std::string r(wtmp_record::kSize, '\0');
  r[0] = static_cast<char>(type & 0xFF);
  r[1] = static_cast<char>(type >> 8);
  std::memcpy(&r[44], user.data(), std::min<size_t>(user.size(), 32));
  for (int i = 0; i < 4; ++i) {
    r[340 + i] = static_cast<char>(seconds >> (8 * i));
  }
  std::memcpy(&r[8], "pts/0", 5);  // fields the reader passes over
  std::memset(&r[76], 'h', 40);
  return r;
}

TEST(WtmpEventSource, RecordsBecomeEventsNewestFirst) {
  TTempFolder dir;
  // The file is in time order; the log reads backwards. A half-written last record is left out.
  const std::string path = dir.Write(
      "wtmp", Record(kBoot, "reboot", 100) + Record(kLoginProcess, "LOGIN", 105) +
                  Record(kUser, "zhang", 110) + Record(kDead, "", 150) +
                  Record(kRunLevel, "runlevel", 160) + Record(kRunLevel, "shutdownx", 170) +
                  Record(kRunLevel, "shutdown", 200) + Record(kUser, "", 250) +
                  Record(kBoot, "reboot", 300) + Record(kBoot, "reboot", 400).substr(0, 200));
  WtmpEventSource source({path});
  ASSERT_TRUE(source.Open());
  const std::vector<TSeenEvent> expected = {{Boot, 300, ""},
                                            {Logon, 250, "N/A"},
                                            {Shutdown, 200, ""},
                                            {Logon, 110, "zhang"},
                                            {Boot, 100, ""}};
  EXPECT_EQ(ReadEvents(source), expected);
  // Opening again starts over.
  ASSERT_TRUE(source.Open());
  EXPECT_EQ(ReadEvents(source), expected);
}

TEST(WtmpEventSource, MissingEmptyShortOrFolderCannotBeOpened) {
  TTempFolder dir;
  WtmpEventSource missing({dir.Path("none")});
  EXPECT_FALSE(missing.Open());
  WtmpEventSource empty({dir.Write("empty", "")});
  EXPECT_FALSE(empty.Open());
  WtmpEventSource shortFile({dir.Write("short", std::string(383, '\x02'))});
  EXPECT_FALSE(shortFile.Open());
  WtmpEventSource folder({dir.Folder()});
  EXPECT_FALSE(folder.Open());
  WtmpEventSource none({});
  EXPECT_FALSE(none.Open());
}

TEST(WtmpEventSource, FullUserFieldWithoutTerminator) {
  TTempFolder dir;
  WtmpEventSource source({dir.Write("wtmp", Record(kUser, std::string(40, 'a'), 5))});
  ASSERT_TRUE(source.Open());
  EXPECT_EQ(ReadEvents(source), (std::vector<TSeenEvent>{{Logon, 5, std::string(32, 'a')}}));
}

TEST(WtmpEventSource, ManyBlocksInExactReverseOrder) {
  TTempFolder dir;
  std::string bytes;
  const uint32_t count = 1537;  // three whole blocks and one record
  for (uint32_t i = 0; i < count; ++i) {
    bytes += Record(i % 3 == 0 ? kBoot : kUser, std::to_string(i), 1000 + i);
  }
  WtmpEventSource source({dir.Write("wtmp", bytes)});
  ASSERT_TRUE(source.Open());
  const std::vector<TSeenEvent> seen = ReadEvents(source);
  ASSERT_EQ(seen.size(), count);
  for (uint32_t k = 0; k < count; ++k) {
    const uint32_t i = count - 1 - k;
    ASSERT_EQ(seen[k].Time, 1000 + i) << k;
    ASSERT_EQ(seen[k].Kind, i % 3 == 0 ? Boot : Logon) << k;
  }
}

TEST(WtmpEventSource, RotatedFilesReadAsOneLogNewestFirst) {
  TTempFolder dir;
  const std::string current =
      dir.Write("wtmp", Record(kBoot, "reboot", 500) + Record(kUser, "li", 510));
  const std::string rotated =
      dir.Write("wtmp.1", Record(kBoot, "reboot", 100) + Record(kRunLevel, "shutdown", 400));
  WtmpEventSource pair({current, rotated});
  ASSERT_TRUE(pair.Open());
  EXPECT_EQ(ReadEvents(pair),
            (std::vector<TSeenEvent>{
                {Logon, 510, "li"}, {Boot, 500, ""}, {Shutdown, 400, ""}, {Boot, 100, ""}}));

  // Just rotated (the current file empty) or gone: the older file alone.
  const std::vector<TSeenEvent> older = {{Shutdown, 400, ""}, {Boot, 100, ""}};
  WtmpEventSource emptyCurrent({dir.Write("wtmp.new", ""), rotated});
  ASSERT_TRUE(emptyCurrent.Open());
  EXPECT_EQ(ReadEvents(emptyCurrent), older);
  WtmpEventSource missingCurrent({dir.Path("gone"), rotated});
  ASSERT_TRUE(missingCurrent.Open());
  EXPECT_EQ(ReadEvents(missingCurrent), older);
}

TEST(WtmpEventSource, AReadErrorEndsTheWholeLog) {
  TTempFolder dir;
  const std::string current = dir.Write("wtmp", Record(kBoot, "reboot", 500));
  const std::string rotated = dir.Write("wtmp.1", Record(kBoot, "reboot", 100));
  WtmpEventSource source({current, rotated});
  ASSERT_TRUE(source.Open());
  // The file shrinks under the read: the older file is not read past the gap.
  std::filesystem::resize_file(current, 0);
  TSessionEvent e;
  EXPECT_FALSE(source.Next(e));
  EXPECT_FALSE(source.Next(e));
}

}  // namespace
