// The one way log files are opened: the kind found from the content, and why
// a file is refused, for the window's message and the tools' own words.
#include "app/log_files.h"

#include <gtest/gtest.h>

#include "bootlog/tests/temp_folder.h"

namespace {

TEST(LogFiles, AFileNamedAloneOpensAsTheKindItHolds) {
  TTempFolder dir;
  const std::string events = dir.Write("System.evtx", "6006 200\n6005 100\n");  // not by its name
  std::filesystem::create_directory(dir.Path("journal"));
  dir.Write("journal/system.journal", "");
  TLogFiles files{TLogKind::Unknown, events, {}};
  TLogProblem problem;
  const TLogOpener open = OpenLogFiles(files, problem);
  ASSERT_TRUE(open) << problem.Text;
  EXPECT_EQ(files.Kind, TLogKind::Events);
  std::unique_ptr<SessionSource> log = open();
  TSessionEvent event;
  ASSERT_TRUE(log->Open() && log->Next(event));
  EXPECT_EQ(event.Kind, TSessionEvent::TKind::Shutdown);
  EXPECT_EQ(event.Utc, 200u);

  // A journal's folder is the journal, whose sleeps join this computer's records.
  TLogFiles journal{TLogKind::Unknown, dir.Path("journal"), {}};
  OpenLogFiles(journal, problem);
  EXPECT_EQ(journal.File + "|" + journal.Journal, "|" + dir.Path("journal"));
}

TEST(LogFiles, WhyAFileIsRefused) {
  TTempFolder dir;
  const std::string fixture = dir.Write("fixture", "6005 1\n");
  struct TCase {
    TLogKind Kind;
    std::string File;
    TLogFault Fault;
    std::string Text;  // after the file's path
  };
  const TCase cases[] = {
      {TLogKind::Unknown, dir.Path("none"), TLogFault::Missing, ": no such file or folder"},
      {TLogKind::Evtx, dir.Path("none"), TLogFault::Missing, ": no such file"},
      {TLogKind::Unknown, dir.Write("empty", ""), TLogFault::Empty, ": is empty"},
      {TLogKind::Unknown, dir.Write("noise", "\x01\x02\x03 not a log"), TLogFault::NotALog,
       ": not a log that Dorvex reads"},
      {TLogKind::Unknown, dir.Folder(), TLogFault::Folder, ": is a folder without journal files"},
      {TLogKind::Evtx, dir.Write("cut.evtx", std::string("ElfFile\0", 8)), TLogFault::Damaged,
       ": not an .evtx log (shorter than its header)"},
      {TLogKind::Evtx, fixture, TLogFault::NotALog, ": not an .evtx log (shorter than its header)"},
      {TLogKind::Events, dir.Write("bad.events", "6005 1\n6006\n"), TLogFault::Damaged,
       ":2: expected a blank after the event code"},
  };
  for (const TCase& c : cases) {
    TLogFiles files{c.Kind, c.File, {}};
    TLogProblem problem;
    EXPECT_FALSE(OpenLogFiles(files, problem)) << c.File;
    EXPECT_EQ(problem.Fault, c.Fault) << c.File;
    EXPECT_EQ(problem.Text, c.File + c.Text);
  }
}

}  // namespace
