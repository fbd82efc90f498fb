#include "app/log_source_option.h"

#include <gtest/gtest.h>

#include <cstring>

#include "bootlog/tests/temp_folder.h"
#ifndef _WIN32
#include "platform/linux/tests/journal_file.h"
#endif

namespace {

// Each event's time; a period that woke, its wake and then when it went asleep.
std::vector<uint32_t> Times(const TLogOpener& open) {
  std::vector<uint32_t> times;
  std::unique_ptr<SessionSource> source = open();
  if (source->Open()) {
    TSessionEvent e;
    while (source->Next(e)) {
      times.push_back(e.PlaceUtc());
      if (e.Woke) {
        times.push_back(e.Utc);
      }
    }
  }
  return times;
}

TLogOpener Opener(const std::string& option, const std::string& file, std::string& problem) {
  TLogSourceOption source;
  EXPECT_TRUE(source.Take(option, file, problem));
  return source.Opener(problem);
}

std::string WtmpBoot(uint32_t seconds) {
  std::string r(384, '\0');
  r[0] = 2;
  std::memcpy(&r[340], &seconds, 4);
  return r;
}

TEST(LogSourceOption, NamesTheFiveSourcesOnlyOneOfThemAtATime) {
  for (const char* name : {"--events", "--evt", "--evtx", "--wtmp", "--wtmpdb"}) {
    EXPECT_TRUE(TLogSourceOption::Names(name)) << name;
  }
  EXPECT_FALSE(TLogSourceOption::Names("--event"));
  EXPECT_FALSE(TLogSourceOption::Names("--size"));
  TLogSourceOption source;
  std::string problem;
  EXPECT_FALSE(source.Given());
  EXPECT_TRUE(source.Take("--wtmp", "a", problem));
  EXPECT_TRUE(source.Given());
  EXPECT_FALSE(source.Take("--evt", "b", problem));
  EXPECT_EQ(problem, "options '--wtmp' and '--evt' exclude each other");
  EXPECT_FALSE(source.Take("--wtmp", "c", problem));
  EXPECT_EQ(problem, "option '--wtmp' given twice");
  EXPECT_FALSE(source.Take("--evtx", "d", problem));
  EXPECT_EQ(problem, "options '--wtmp' and '--evtx' exclude each other");
}

TEST(LogSourceOption, MissingFilesAndFoldersAreRefusedForEveryKind) {
  TTempFolder dir;
  for (const char* option : {"--events", "--evt", "--evtx", "--wtmp", "--wtmpdb"}) {
    std::string problem;
    EXPECT_FALSE(Opener(option, dir.Path("none"), problem)) << option;
    EXPECT_EQ(problem, dir.Path("none") + ": no such file");
    EXPECT_FALSE(Opener(option, dir.Folder(), problem)) << option;
    EXPECT_EQ(problem, dir.Folder() + ": is a folder, not a file");
  }
}

TEST(LogSourceOption, FilesNotOfTheirKindAreRefused) {
  TTempFolder dir;
  const std::string text = dir.Write("text", "6005 100\n6006 x\n");
  std::string problem;
  EXPECT_FALSE(Opener("--events", text, problem));
  EXPECT_EQ(problem, text + ":2: expected a time (decimal seconds since 1970, 32 bits)");
  EXPECT_FALSE(Opener("--evt", text, problem));
  EXPECT_EQ(problem, text + ": not an event log (shorter than its header)");
  EXPECT_FALSE(Opener("--evtx", text, problem));
  EXPECT_EQ(problem, text + ": not an .evtx log (shorter than its header)");
  EXPECT_FALSE(Opener("--wtmpdb", text, problem));
#ifdef _WIN32
  EXPECT_EQ(problem, text + ": wtmpdb databases are read on Linux only");
#else
  EXPECT_EQ(problem, text + ": file is not a database");
#endif
}

TEST(LogSourceOption, OpensTheNamedLogAfreshEachTime) {
  TTempFolder dir;
  std::string problem;
  const TLogOpener events = Opener("--events", dir.Write("log", "6006 200\n6005 100\n"), problem);
  ASSERT_TRUE(events) << problem;
  EXPECT_EQ(Times(events), (std::vector<uint32_t>{200, 100}));
  EXPECT_EQ(Times(events), (std::vector<uint32_t>{200, 100}));

  // wtmp with its rotated predecessor beside it.
  const std::string wtmp = dir.Write("wtmp", WtmpBoot(300) + WtmpBoot(400));
  dir.Write("wtmp.1", WtmpBoot(100));
  const TLogOpener login = Opener("--wtmp", wtmp, problem);
  ASSERT_TRUE(login) << problem;
  EXPECT_EQ(Times(login), (std::vector<uint32_t>{400, 300, 100}));
}

TEST(LogSourceOption, AJournalJoinsLoginRecordsNotAWindowsLog) {
  EXPECT_TRUE(TLogSourceOption::Names("--journal"));
  std::string problem;
  for (const char* log : {"--wtmp", "--wtmpdb"}) {
    TLogSourceOption before, after;
    EXPECT_TRUE(before.Take(log, "a", problem)) << log;
    EXPECT_TRUE(before.Take("--journal", "j", problem)) << log;
    EXPECT_TRUE(after.Take("--journal", "j", problem)) << log;
    EXPECT_TRUE(after.Given());
    EXPECT_TRUE(after.Take(log, "a", problem)) << log;
  }
  for (const std::string log : {"--events", "--evt", "--evtx"}) {
    TLogSourceOption before, after;
    EXPECT_TRUE(before.Take(log, "a", problem));
    EXPECT_FALSE(before.Take("--journal", "j", problem));
    EXPECT_EQ(problem, "options '" + log + "' and '--journal' exclude each other");
    EXPECT_TRUE(after.Take("--journal", "j", problem));
    EXPECT_FALSE(after.Take(log, "a", problem));
    EXPECT_EQ(problem, "options '--journal' and '" + log + "' exclude each other");
  }
  TLogSourceOption twice;
  EXPECT_TRUE(twice.Take("--journal", "j", problem));
  EXPECT_FALSE(twice.Take("--journal", "k", problem));
  EXPECT_EQ(problem, "option '--journal' given twice");
}

TEST(LogSourceOption, AJournalThatIsMissingOrNoJournalIsRefused) {
  TTempFolder dir;
  const std::string wtmp = dir.Write("wtmp", WtmpBoot(300));
  for (const std::string& journal : {dir.Path("none"), dir.Write("text", "no journal\n")}) {
    TLogSourceOption option;
    std::string problem;
    ASSERT_TRUE(option.Take("--wtmp", wtmp, problem));
    ASSERT_TRUE(option.Take("--journal", journal, problem));
    EXPECT_FALSE(option.Opener(problem));
    EXPECT_EQ(problem.rfind(journal + ": ", 0), 0u) << problem;
  }
}

#ifndef _WIN32
TEST(LogSourceOption, TheJournalsSleepsJoinTheLoginRecordsByTime) {
  TTempFolder dir;
  const std::string wtmp = dir.Write("wtmp", WtmpBoot(1714550400) + WtmpBoot(1714600000));
  const std::string journal = dir.Path("system.journal");
  TJournalExport().Sleep(true, 1714554000).Sleep(false, 1714557600).Write(journal);
  for (const bool journalFirst : {false, true}) {
    TLogSourceOption option;
    std::string problem;
    if (journalFirst) {
      ASSERT_TRUE(option.Take("--journal", journal, problem));
    }
    ASSERT_TRUE(option.Take("--wtmp", wtmp, problem));
    if (!journalFirst) {
      ASSERT_TRUE(option.Take("--journal", dir.Folder(), problem));  // the folder holding it
    }
    const TLogOpener open = option.Opener(problem);
    ASSERT_TRUE(open) << problem;
    EXPECT_EQ(Times(open), (std::vector<uint32_t>{1714600000, 1714557600, 1714554000, 1714550400}));
  }
}
#endif

}  // namespace
