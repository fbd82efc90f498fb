#include "bootlog/log_kind.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>

#include "bootlog/tests/temp_folder.h"

namespace {

std::string WtmpRecord(int16_t type, int32_t micro) {
  std::string r(384, '\0');
  std::memcpy(&r[0], &type, 2);
  const int32_t seconds = 1700000000;
  std::memcpy(&r[340], &seconds, 4);
  std::memcpy(&r[344], &micro, 4);
  return r;
}

std::string Noise(size_t size) {
  std::mt19937 random(7);
  std::string bytes(size, '\0');
  std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(random()); });
  return bytes;
}

TEST(LogKind, TheKindIsFoundFromTheFirstBytes) {
  const std::string boot = WtmpRecord(2, 0);
  struct TCase {
    std::string Head;
    uint64_t Size;  // 0: the head is the whole file
    TLogKind Kind;
  };
  const TCase cases[] = {
      {std::string("ElfFile\0\0\0", 10), 0, TLogKind::Evtx},
      {std::string("\x30\0\0\0LfLe\x01\0\0\0", 12), 0, TLogKind::Evt},
      {std::string("SQLite format 3\0", 16), 0, TLogKind::Wtmpdb},
      {"LPKSHHRH\x01", 0, TLogKind::Journal},
      {boot + WtmpRecord(7, 999999), 0, TLogKind::Wtmp},
      {boot, 385, TLogKind::Unknown},  // a part record
      {WtmpRecord(12, 0), 0, TLogKind::Unknown},
      {WtmpRecord(2, 1000000), 0, TLogKind::Unknown},
      {"6005 100\n[Microsoft-Windows-Winlogon] 7001 90 1|A\n", 0, TLogKind::Events},
      {"# nothing yet\n\n", 0, TLogKind::Events},       // an empty log
      {"6005 100\n6006 2", 1 << 20, TLogKind::Events},  // the cut line is not judged
      {"6005 100\nhello\n", 0, TLogKind::Unknown},
      {std::string("6005 100\n\0", 10), 0, TLogKind::Unknown},
      {Noise(kLogHeadSize), uint64_t{1} << 30, TLogKind::Unknown},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(LogKindOfHead(c.Head, c.Size ? c.Size : c.Head.size()), c.Kind) << c.Head;
  }
}

TEST(LogKind, FilesFoldersAndTheRotatedFileOfAnEmptyOne) {
  TTempFolder dir;
  const std::string wtmp = WtmpRecord(2, 0);
  dir.Write("wtmp", "");
  dir.Write("wtmp.1", wtmp);
  dir.Write("text", "");
  dir.Write("text.1", "6005 1\n");
  std::filesystem::create_directory(dir.Path("journal"));
  dir.Write("journal/system@1.journal~", "");
  std::filesystem::create_directory(dir.Path("users"));
  dir.Write("users/user-1000.journal", "");
  // A gigabyte that is mostly a hole: only its head is read.
  const std::string big = dir.Write("big", Noise(kLogHeadSize));
  std::filesystem::resize_file(big, uint64_t{1} << 30);
  struct TCase {
    std::string Name;
    TLogKind Kind;
    TLogFault Fault;
  };
  const TCase cases[] = {
      {"none", TLogKind::Unknown, TLogFault::Missing},
      {"wtmp", TLogKind::Wtmp, TLogFault::NoFault},
      {"text", TLogKind::Unknown, TLogFault::Empty},
      {"text.1", TLogKind::Events, TLogFault::NoFault},
      {"journal", TLogKind::Journal, TLogFault::NoFault},
      {"users", TLogKind::Unknown, TLogFault::Folder},
      {"big", TLogKind::Unknown, TLogFault::NotALog},
  };
  for (const TCase& c : cases) {
    const TLogGuess guess = GuessLogKind(dir.Path(c.Name));
    EXPECT_EQ(guess.Kind, c.Kind) << c.Name;
    EXPECT_EQ(guess.Fault, c.Fault) << c.Name;
  }
}

}  // namespace
