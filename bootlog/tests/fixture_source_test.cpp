#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "bootlog/fixture_source.h"

namespace {

TEST(FixtureEventSource, ReadsEventsInFileOrder) {
  FixtureEventSource source = FixtureEventSource::FromText(
      "# newest first\n"
      "\n"
      "7035 1236643260 Zhang  San\n"
      "6005 1236643200\r\n"
      "   \n"
      "4294967295 4294967295 \n",
      "log.txt");
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
  // Opening again starts over.
  ASSERT_TRUE(source.OpenSystemLog());
  EXPECT_TRUE(source.ReadNextEvent(e));
}

TEST(FixtureEventSource, MalformedLinesNameFileAndLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"6005 1\nx 2\n", "log.txt:2: "},     {"6005\n", "log.txt:1: "},
      {"6005 12x\n", "log.txt:1: "},        {"4294967296 1\n", "log.txt:1: "},
      {"6005 4294967296\n", "log.txt:1: "}, {"\n\n-6005 1\n", "log.txt:3: "},
      {"6005\t1\n", "log.txt:1: "},
  };
  for (const auto& [text, prefix] : cases) {
    try {
      FixtureEventSource::FromText(text, "log.txt");
      ADD_FAILURE() << "accepted: " << text;
    } catch (const EFixtureError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(prefix, 0), 0u) << e.what();
    }
  }
}

TEST(FixtureEventSource, FromFile) {
  const std::string path = ::testing::TempDir() + "dorvex_fixture.txt";
  {
    std::ofstream out(path);
    out << "6006 20\n6005 10\n";
  }
  EXPECT_EQ(FixtureEventSource::FromFile(path).Events().size(), 2u);
  std::remove(path.c_str());
  EXPECT_THROW(FixtureEventSource::FromFile(path), EFixtureError);
}

}  // namespace
