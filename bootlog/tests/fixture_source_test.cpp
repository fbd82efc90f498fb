#include "bootlog/fixture_source.h"

#include <gtest/gtest.h>

#include "bootlog/tests/temp_folder.h"

namespace {

const char* const kText =
    "# newest first\n"
    "\n"
    "7035 1236643260 Zhang  San\n"
    "6005 1236643200\r\n"
    "   \n"
    "4294967295 4294967295 \n";

void ExpectTheThreeEvents(EventSource& source) {
  ASSERT_TRUE(source.OpenSystemLog());
  TLogEvent e;
  ASSERT_TRUE(source.ReadNextEvent(e));
  EXPECT_EQ(e.EventCode, 7035);
  EXPECT_EQ(e.TimeGenerated, 1236643260u);
  EXPECT_EQ(source.LookupUserName(e), "Zhang  San");
  ASSERT_TRUE(source.ReadNextEvent(e));
  EXPECT_EQ(e.EventCode, 6005);
  EXPECT_EQ(source.LookupUserName(e), "N/A");
  ASSERT_TRUE(source.ReadNextEvent(e));
  EXPECT_EQ(e.EventCode, 0xFFFF);
  EXPECT_EQ(e.TimeGenerated, 4294967295u);
  EXPECT_EQ(source.LookupUserName(e), "");
  EXPECT_FALSE(source.ReadNextEvent(e));
}

TEST(FixtureEventSource, ReadsEventsInFileOrder) {
  ListedEventSource text = FixtureEventSource::FromText(kText, "log.txt");
  ExpectTheThreeEvents(text);
  ExpectTheThreeEvents(text);  // opening again starts over

  TTempFolder dir;
  const std::string path = dir.Write("log.txt", kText);
  EXPECT_EQ(FixtureEventSource::Problem(path), "");
  FixtureEventSource file(path);
  ExpectTheThreeEvents(file);
  ExpectTheThreeEvents(file);
}

TEST(FixtureEventSource, MalformedLinesNameFileAndLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"6005 1\nx 2\n", ":2: expected an event code"},
      {"6005\n", ":1: expected a blank after the event code"},
      {"6005 12x\n", ":1: expected a blank after the time"},
      {"4294967296 1\n", ":1: expected an event code"},
      {"6005 4294967296\n", ":1: expected a time"},
      {"\n\n-6005 1\n", ":3: expected an event code"},
      {"6005\t1\n", ":1: expected a blank after the event code"},
      {"6005 1\n6005 x", ":2: expected a time"},
      {"[Microsoft-Windows-Winlogon 7001 5\n", ":1: expected a ']' after the source name"},
      {"[] 7001 5\n", ":1: expected a source name"},
      {"[Winlogon]7001 5\n", ":1: expected a blank after the source name"},
      {"[Winlogon] \n", ":1: expected an event code"},
      {"[Winlogon] 7001 5x|y\n", ":1: expected a blank after the time"},
      {"[User32] 1074 5 <S-1-5-21 a|b\n", ":1: expected a '>' after the SID"},
      {"[User32] 1074 5 <S-1-5-21>a|b\n", ":1: expected a blank after the SID"},
  };
  TTempFolder dir;
  for (const auto& [text, message] : cases) {
    try {
      FixtureEventSource::FromText(text, "log.txt");
      ADD_FAILURE() << "accepted: " << text;
    } catch (const EFixtureError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(std::string("log.txt") + message, 0), 0u) << e.what();
    }
    const std::string path = dir.Write("bad.events", text);
    EXPECT_EQ(FixtureEventSource::Problem(path).rfind(path + message, 0), 0u) << text;
    // All or nothing: the good lines before the bad one are not served either.
    FixtureEventSource file(path);
    EXPECT_FALSE(file.OpenSystemLog()) << text;
    TLogEvent e;
    EXPECT_FALSE(file.ReadNextEvent(e)) << text;
  }
}

TEST(FixtureEventSource, SourcesAndDataValues) {
  const char* const text =
      "[Microsoft-Windows-Power-Troubleshooter] 1 1607230000 "
      "2020-12-06T03:53:19.5Z|\xE2\x80\x8E"
      "2020-12-06T04:53:19.5Z||4\n"
      "[Service Control Manager]   7001 1607229000 a b|c \n"
      "[Microsoft-Windows-Kernel-Power] 42 1607226800\n"
      "[Microsoft-Windows-Kernel-Power] 42 1607226800 \n"
      "7035 1607226000 Li | Wang\n"
      "[User32] 1074 1607225000 <S-1-5-21-1-2-3-1001> a|b||PC\\xiaoming\n"
      "[User32] 1074 1607224000 <S-1-5-18>\n";
  ListedEventSource source = FixtureEventSource::FromText(text, "log.txt");
  ASSERT_TRUE(source.OpenSystemLog());
  std::vector<TLogEvent> events;
  TLogEvent e;
  while (source.ReadNextEvent(e)) {
    events.push_back(e);
  }
  ASSERT_EQ(events.size(), 7u);
  EXPECT_EQ(events[0].SourceName, "Microsoft-Windows-Power-Troubleshooter");
  EXPECT_EQ(events[0].EventCode, 1);
  EXPECT_EQ(events[0].TimeGenerated, 1607230000u);
  EXPECT_EQ(events[0].Strings, (std::vector<std::string>{"2020-12-06T03:53:19.5Z",
                                                         "\xE2\x80\x8E"
                                                         "2020-12-06T04:53:19.5Z",
                                                         "", "4"}));
  EXPECT_EQ(source.LookupUserName(events[0]), "N/A");
  EXPECT_EQ(events[1].SourceName, "Service Control Manager");
  EXPECT_EQ(events[1].Strings, (std::vector<std::string>{"a b", "c "}));
  EXPECT_TRUE(events[2].Strings.empty());
  EXPECT_TRUE(events[3].Strings.empty());
  // A line without a source reads as before: the user keeps its '|', no source, no values.
  EXPECT_EQ(events[4].SourceName, "");
  EXPECT_TRUE(events[4].Strings.empty());
  EXPECT_EQ(source.LookupUserName(events[4]), "Li | Wang");
  // A record's own SID before its values.
  EXPECT_EQ(source.LookupUserName(events[5]), "S-1-5-21-1-2-3-1001");
  EXPECT_EQ(events[5].Strings, (std::vector<std::string>{"a", "b", "", "PC\\xiaoming"}));
  EXPECT_EQ(source.LookupUserName(events[6]), "S-1-5-18");
  EXPECT_TRUE(events[6].Strings.empty());
}

TEST(FixtureEventSource, MissingFileCannotBeRead) {
  TTempFolder dir;
  const std::string path = dir.Path("none.events");
  EXPECT_EQ(FixtureEventSource::Problem(path), path + ": cannot be read");
  FixtureEventSource file(path);
  EXPECT_FALSE(file.OpenSystemLog());
}

TEST(FixtureEventSource, LongLinesAndManyLinesStreamThrough) {
  TTempFolder dir;
  const std::string longName(100000, 'n');
  std::string text = "7035 5 " + longName + "\n";
  for (int i = 0; i < 20000; ++i) {
    text += "6005 " + std::to_string(20000 - i) + "\n";
  }
  FixtureEventSource file(dir.Write("long.events", text));
  ASSERT_TRUE(file.OpenSystemLog());
  TLogEvent e;
  ASSERT_TRUE(file.ReadNextEvent(e));
  EXPECT_EQ(file.LookupUserName(e), longName);
  uint32_t expected = 20000;
  int count = 0;
  while (file.ReadNextEvent(e)) {
    count += e.TimeGenerated == expected--;
  }
  EXPECT_EQ(count, 20000);
}

}  // namespace
