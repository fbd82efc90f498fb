#include "platform/linux/journal_source.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "bootlog/tests/temp_folder.h"
#include "platform/linux/tests/journal_file.h"

namespace {

constexpr uint64_t kNine = 1714554000;  // 2024-05-01 09:00:00 UTC

// Each period: when it went asleep, when it woke, hibernated or not.
struct TSeen {
  uint32_t Slept, Woken;
  bool Hibernated;
  bool operator==(const TSeen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TSeen& s) {
  return out << s.Slept << "-" << s.Woken << (s.Hibernated ? " hibernated" : "");
}

std::vector<TSeen> Read(JournalSleepSource& source) {
  std::vector<TSeen> seen;
  TSessionEvent e;
  while (source.Next(e)) {
    EXPECT_EQ(e.Kind, TSessionEvent::TKind::Asleep);
    seen.push_back({e.Utc, e.WakeUtc, e.How == TAsleepKind::Hibernation});
  }
  return seen;
}

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(JournalSleepSource, TheSleepsOfAJournalFileAmongItsOtherEntries) {
  TTempFolder dir;
  const std::string path = dir.Path("system.journal");
  TJournalExport()
      .Entry(kNine - 600, 0, TJournalExport::kBoot1, "MESSAGE=Linux version 6.1\n")
      .Sleep(true, kNine)
      .Entry(kNine + 10, 0, TJournalExport::kBoot1,
             "MESSAGE_ID=b07a249cd024414a82dd00cd181378ff\nMESSAGE=Startup finished\n")
      .Sleep(false, kNine + 3600)
      .Sleep(true, kNine + 7200, "hibernate", 801)
      .Sleep(false, kNine + 9000, "hibernate", 801)
      .Write(path);
  EXPECT_EQ(JournalSleepSource::Problem(path), "");
  JournalSleepSource source(path);
  ASSERT_TRUE(source.Open());
  const std::vector<TSeen> expected = {{kNine + 7200, kNine + 9000, true},
                                       {kNine, kNine + 3600, false}};
  EXPECT_EQ(Read(source), expected);
  ASSERT_TRUE(source.Open());  // again, from the newest
  EXPECT_EQ(Read(source), expected);
}

TEST(JournalSleepSource, AFolderOfJournalFilesIsOneJournal) {
  TTempFolder dir;
  // The sleep begins in one file and returns in the next, as at a rotation.
  TJournalExport().Sleep(true, kNine).Write(dir.Path("system@0001.journal"));
  TJournalExport().Sleep(false, kNine + 3600).Write(dir.Path("system.journal"));
  EXPECT_EQ(JournalSleepSource::Problem(dir.Folder()), "");
  JournalSleepSource source(dir.Folder());
  ASSERT_TRUE(source.Open());
  EXPECT_EQ(Read(source), (std::vector<TSeen>{{kNine, kNine + 3600, false}}));
}

TEST(JournalSleepSource, NoJournalGivesNoSleeps) {
  TTempFolder dir;
  JournalSleepSource missing(dir.Path("none.journal"));
  EXPECT_FALSE(missing.Open());
  EXPECT_TRUE(Read(missing).empty());
  EXPECT_NE(JournalSleepSource::Problem(dir.Path("none.journal")), "");
  JournalSleepSource unnamed("");
  EXPECT_FALSE(unnamed.Open());
  // A pipe nobody writes to is not waited for.
  const std::string pipe = dir.Path("pipe.journal");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(JournalSleepSource(pipe).Open());
  EXPECT_EQ(JournalSleepSource::Problem(pipe).rfind(pipe + ": not a journal", 0), 0u);
  std::filesystem::remove(pipe);
  // An empty folder is a journal without entries.
  JournalSleepSource empty(dir.Folder());
  ASSERT_TRUE(empty.Open());
  EXPECT_TRUE(Read(empty).empty());
}

TEST(JournalSleepSource, TheSystemJournalIsThePersistentOneOfThisMachine) {
  const std::string path = JournalSleepSource::SystemJournal();
  EXPECT_EQ(path.rfind("/var/log/journal/", 0), 0u);
  EXPECT_EQ(path.size(), std::string("/var/log/journal/").size() + 32);
}

TEST(JournalSleepSource, DamagedJournalFilesNeitherCrashNorHang) {
  TTempFolder dir;
  const std::string good = dir.Path("good.journal");
  TJournalExport export_;
  for (int i = 0; i < 200; ++i) {
    export_.Sleep(true, kNine + i * 600, "suspend", 1000 + i)
        .Sleep(false, kNine + i * 600 + 300, "suspend", 1000 + i);
  }
  export_.Write(good);
  const std::string whole = Bytes(good);

  const std::string text = dir.Write("text.journal", "not a journal at all\n");
  EXPECT_EQ(JournalSleepSource::Problem(text).rfind(text + ": not a journal", 0), 0u);
  EXPECT_FALSE(JournalSleepSource(text).Open());

  // Cut short, and with every 7th byte of the entries flipped: whatever is
  // read, each sleep is whole and none is invented.
  const std::string cut = dir.Write("cut.journal", whole.substr(0, whole.size() / 3));
  std::string flipped = whole;
  for (size_t i = 4096; i < flipped.size(); i += 7) {
    flipped[i] = static_cast<char>(flipped[i] ^ 0x5A);
  }
  const std::string noisy = dir.Write("flipped.journal", flipped);
  for (const std::string& path : {cut, noisy}) {
    JournalSleepSource source(path);
    if (!source.Open()) {
      EXPECT_NE(JournalSleepSource::Problem(path), "");
      continue;
    }
    for (const TSeen& seen : Read(source)) {
      EXPECT_EQ((seen.Slept - kNine) % 600, 0u) << path;
      EXPECT_TRUE(seen.Woken == 0 || seen.Woken == seen.Slept + 300) << path;
      EXPECT_FALSE(seen.Hibernated);
    }
  }
}

}  // namespace
