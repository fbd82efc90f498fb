#include "platform/linux/wtmpdb_source.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "bootlog/tests/read_events.h"
#include "bootlog/tests/temp_folder.h"
#include "platform/linux/tests/wtmpdb_file.h"

namespace {

using enum TSessionEvent::TKind;

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(WtmpdbEventSource, BootAndLoginRowsBecomeEventsNewestFirst) {
  TTempFolder dir;
  const std::string path = dir.Path("wtmp.db");
  {
    TWtmpdbFile db(path);
    db.Boot(1000, 5000, 999999);  // microseconds are dropped, not rounded
    db.Login("zhang", 1100, 1200);
    db.Boot(6000);  // crashed: no logout
    db.Login("li", 6100);
    db.Boot(9000);  // running
    db.Exec("INSERT INTO wtmp(Type, User, Login) VALUES(2, 'runlevel', 9500000000)");
  }
  WtmpdbEventSource source(path);
  ASSERT_TRUE(source.Open());
  const std::vector<TSeenEvent> expected = {{Boot, 9000, ""},       {Logon, 6100, "li"},
                                            {Boot, 6000, ""},       {Shutdown, 5000, ""},
                                            {Logon, 1100, "zhang"}, {Boot, 1000, ""}};
  EXPECT_EQ(ReadEvents(source), expected);
  ASSERT_TRUE(source.Open());  // again, from the newest
  EXPECT_EQ(ReadEvents(source), expected);
  EXPECT_EQ(WtmpdbEventSource::Problem(path), "");
}

TEST(WtmpdbEventSource, AtAnEqualSecondStopThenLoginThenStart) {
  TTempFolder dir;
  const std::string path = dir.Path("wtmp.db");
  {
    TWtmpdbFile db(path);
    db.Boot(2000);
    db.Login("b", 2000);
    db.Login("a", 2000);
    db.Boot(1000, 2000);
  }
  WtmpdbEventSource source(path);
  ASSERT_TRUE(source.Open());
  // Rows of one kind at one second: the later row first.
  EXPECT_EQ(ReadEvents(source), (std::vector<TSeenEvent>{{Shutdown, 2000, ""},
                                                         {Logon, 2000, "a"},
                                                         {Logon, 2000, "b"},
                                                         {Boot, 2000, ""},
                                                         {Boot, 1000, ""}}));
}

TEST(WtmpdbEventSource, TimesThatAreNoEventTimesArePassedOver) {
  TTempFolder dir;
  const std::string path = dir.Path("wtmp.db");
  {
    TWtmpdbFile db(path);
    db.Exec("INSERT INTO wtmp(Type, User, Login, Logout) VALUES(1, 'reboot', -5000000, NULL)");
    db.Exec("INSERT INTO wtmp(Type, User, Login) VALUES(1, 'reboot', 4294967296000000)");
    db.Exec("INSERT INTO wtmp(Type, User, Login) VALUES(1, 'reboot', 4294967295000000)");
    db.Exec("INSERT INTO wtmp(Type, User, Login) VALUES(3, 'x', 'soon')");
    db.Exec("INSERT INTO wtmp(Type, User, Login) VALUES(3, 'y', 12.5)");
    db.Exec("INSERT INTO wtmp(Type, User, Login, Logout) VALUES(1, 'reboot', NULL, 7000000)");
    db.Exec("INSERT INTO wtmp(Type, User, Login) VALUES(3, '', 6000000)");
  }
  WtmpdbEventSource source(path);
  ASSERT_TRUE(source.Open());
  EXPECT_EQ(
      ReadEvents(source),
      (std::vector<TSeenEvent>{{Boot, 4294967295u, ""}, {Shutdown, 7, ""}, {Logon, 6, "N/A"}}));
}

TEST(WtmpdbEventSource, MissingForeignOrEmptyDatabases) {
  TTempFolder dir;
  const std::string missing = dir.Path("none.db");
  WtmpdbEventSource none(missing);
  EXPECT_FALSE(none.Open());
  EXPECT_FALSE(std::filesystem::exists(missing));  // read-only: nothing created
  EXPECT_EQ(WtmpdbEventSource::Problem(missing).rfind(missing + ": ", 0), 0u);

  const std::string text = dir.Write("text.db", "boot 1000\nshutdown 2000\n");
  EXPECT_FALSE(WtmpdbEventSource(text).Open());
  EXPECT_EQ(WtmpdbEventSource::Problem(text), text + ": file is not a database");

  const std::string other = dir.Path("other.db");
  TWtmpdbFile(other).Exec("ALTER TABLE wtmp RENAME TO logins");
  EXPECT_FALSE(WtmpdbEventSource(other).Open());
  EXPECT_EQ(WtmpdbEventSource::Problem(other), other + ": no such table: wtmp");

  const std::string empty = dir.Path("empty.db");
  { TWtmpdbFile db(empty); }
  WtmpdbEventSource emptySource(empty);
  ASSERT_TRUE(emptySource.Open());
  EXPECT_TRUE(ReadEvents(emptySource).empty());
}

TEST(WtmpdbEventSource, AWtmpThatIsNoTableOfStoredRowsIsRefused) {
  // Reading a view or a computed column runs what the file says: a recursive
  // view never ends (here it is cut at 10 rows), a computed column can be
  // made as slow as one likes.
  const std::string columns = "ID, 1 AS Type, 'reboot' AS User, Login, NULL AS Logout";
  const std::string views[] = {
      "CREATE VIEW wtmp AS SELECT " + columns + " FROM boots",
      "CREATE VIEW wtmp AS WITH RECURSIVE c(ID, Login) AS (SELECT 1, 1000000 UNION ALL "
      "SELECT ID + 1, Login + 1000000 FROM c LIMIT 10) SELECT " +
          columns + " FROM c",
      "CREATE TABLE wtmp(ID INTEGER PRIMARY KEY, Type INTEGER, User TEXT, Login INTEGER, "
      "Logout INTEGER AS (Login + 1000000))",
  };
  for (const std::string& sql : views) {
    TTempFolder dir;
    const std::string path = dir.Path("wtmp.db");
    {
      TWtmpdbFile db(path);
      db.Boot(1000);
      db.Exec("ALTER TABLE wtmp RENAME TO boots");
      db.Exec(sql);
      if (sql.find("AS (Login") != std::string::npos) {
        db.Exec("INSERT INTO wtmp(Type, User, Login) VALUES(1, 'reboot', 2000000)");
      }
    }
    WtmpdbEventSource source(path);
    EXPECT_FALSE(source.Open()) << sql;
    EXPECT_TRUE(ReadEvents(source).empty());
    EXPECT_EQ(WtmpdbEventSource::Problem(path), path + ": wtmp is not a table of stored rows");
  }
  // Named in other letters it is still the table.
  TTempFolder dir;
  const std::string path = dir.Path("wtmp.db");
  {
    TWtmpdbFile db(path);
    db.Boot(1000);
    db.Exec("ALTER TABLE wtmp RENAME TO t");
    db.Exec("ALTER TABLE t RENAME TO WTMP");
  }
  WtmpdbEventSource source(path);
  ASSERT_TRUE(source.Open());
  EXPECT_EQ(ReadEvents(source), (std::vector<TSeenEvent>{{Boot, 1000, ""}}));
}

TEST(WtmpdbEventSource, LockedDatabaseCannotBeOpenedAndIsNotWaitedFor) {
  TTempFolder dir;
  const std::string path = dir.Path("wtmp.db");
  TWtmpdbFile writer(path);
  writer.Boot(1000);
  writer.Exec("BEGIN EXCLUSIVE");
  writer.Boot(2000);
  WtmpdbEventSource source(path);
  EXPECT_FALSE(source.Open());
  EXPECT_EQ(WtmpdbEventSource::Problem(path), path + ": database is locked");
  writer.Exec("COMMIT");
  ASSERT_TRUE(source.Open());
  EXPECT_EQ(ReadEvents(source).size(), 2u);
}

TEST(WtmpdbEventSource, DamagedDatabaseCannotBeOpenedAndIsLeftAsItWas) {
  TTempFolder dir;
  const std::string path = dir.Path("wtmp.db");
  {
    TWtmpdbFile db(path);
    db.Exec("BEGIN");
    for (int i = 0; i < 3000; ++i) {
      db.Boot(1000 + 10 * i, 1005 + 10 * i);
    }
    db.Exec("COMMIT");
  }
  const std::string whole = Bytes(path);
  ASSERT_GT(whole.size(), 8192u);
  {
    WtmpdbEventSource source(path);
    ASSERT_TRUE(source.Open());
    EXPECT_EQ(ReadEvents(source).size(), 6000u);
  }
  EXPECT_EQ(Bytes(path), whole);

  std::string damaged = whole;
  for (size_t i = 4096 + 100; i < damaged.size(); i += 7) {
    damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
  }
  dir.Write("wtmp.db", damaged);
  WtmpdbEventSource source(path);
  EXPECT_FALSE(source.Open());
  EXPECT_NE(WtmpdbEventSource::Problem(path), "");
  EXPECT_EQ(Bytes(path), damaged);
}

// After logrotate's rotation: the new database, then the renamed one.
struct TRotatedDatabases : ::testing::Test {
  TTempFolder dir;
  const std::string path = dir.Path("wtmp.db");
  const std::string older = dir.Path("wtmp.db.1");

  void WriteOlder() {
    TWtmpdbFile db(older);
    db.Boot(1000, 5000);
    db.Login("zhang", 1100);
    db.Boot(6000);  // running when it was renamed
  }
};

TEST_F(TRotatedDatabases, TheTwoFilesAreOneLogNewestFirst) {
  WriteOlder();
  {
    TWtmpdbFile db(path);
    db.Boot(9000);
    db.Login("li", 9100);
  }
  EXPECT_EQ(WtmpdbEventSource::Rotated(path), (std::vector<std::string>{path, older}));
  WtmpdbEventSource source(WtmpdbEventSource::Rotated(path));
  ASSERT_TRUE(source.Open());
  const std::vector<TSeenEvent> expected = {{Logon, 9100, "li"},    {Boot, 9000, ""},
                                            {Boot, 6000, ""},       {Shutdown, 5000, ""},
                                            {Logon, 1100, "zhang"}, {Boot, 1000, ""}};
  EXPECT_EQ(ReadEvents(source), expected);
  ASSERT_TRUE(source.Open());
  EXPECT_EQ(ReadEvents(source), expected);
  EXPECT_EQ(WtmpdbEventSource::Problem(WtmpdbEventSource::Rotated(path)), "");
}

TEST_F(TRotatedDatabases, TheEmptyFileLogrotateLeavesIsAnEmptyDatabase) {
  dir.Write("wtmp.db", "");
  EXPECT_EQ(WtmpdbEventSource::Rotated(path), std::vector<std::string>{path});
  WtmpdbEventSource alone(path);
  ASSERT_TRUE(alone.Open());
  EXPECT_TRUE(ReadEvents(alone).empty());
  EXPECT_EQ(WtmpdbEventSource::Problem(path), "");

  WriteOlder();
  WtmpdbEventSource source(WtmpdbEventSource::Rotated(path));
  ASSERT_TRUE(source.Open());
  EXPECT_EQ(ReadEvents(source),
            (std::vector<TSeenEvent>{
                {Boot, 6000, ""}, {Shutdown, 5000, ""}, {Logon, 1100, "zhang"}, {Boot, 1000, ""}}));
  EXPECT_TRUE(std::filesystem::is_empty(path));  // read-only: nothing written
}

TEST_F(TRotatedDatabases, AnOlderFileThatIsNoDatabaseEndsTheLogAndIsNamed) {
  {
    TWtmpdbFile db(path);
    db.Boot(9000);
  }
  dir.Write("wtmp.db.1", "boot 1000\n");
  WtmpdbEventSource source(WtmpdbEventSource::Rotated(path));
  ASSERT_TRUE(source.Open());
  EXPECT_EQ(ReadEvents(source), (std::vector<TSeenEvent>{{Boot, 9000, ""}}));
  EXPECT_EQ(WtmpdbEventSource::Problem(WtmpdbEventSource::Rotated(path)),
            older + ": file is not a database");

  // The newest file decides whether there is a log at all.
  std::filesystem::remove(path);
  EXPECT_FALSE(WtmpdbEventSource({path, older}).Open());
  EXPECT_EQ(WtmpdbEventSource::Problem(std::vector<std::string>{path, older}).rfind(path + ": ", 0),
            0u);
}

TEST_F(TRotatedDatabases, AnOlderFileThatIsAPipeIsNotWaitedFor) {
  {
    TWtmpdbFile db(path);
    db.Boot(9000);
  }
  ASSERT_EQ(mkfifo(older.c_str(), 0600), 0);
  WtmpdbEventSource source(WtmpdbEventSource::Rotated(path));
  ASSERT_TRUE(source.Open());
  EXPECT_EQ(ReadEvents(source), (std::vector<TSeenEvent>{{Boot, 9000, ""}}));
  EXPECT_EQ(WtmpdbEventSource::Problem(WtmpdbEventSource::Rotated(path)), older + ": not a file");
}

TEST_F(TRotatedDatabases, AMissingOlderFileIsPassedOver) {
  {
    TWtmpdbFile db(path);
    db.Boot(9000);
  }
  const std::string third = dir.Path("wtmp.db.2");
  {
    TWtmpdbFile db(third);
    db.Boot(100);
  }
  WtmpdbEventSource source({path, older, third});
  ASSERT_TRUE(source.Open());
  EXPECT_EQ(ReadEvents(source), (std::vector<TSeenEvent>{{Boot, 9000, ""}, {Boot, 100, ""}}));
  EXPECT_EQ(WtmpdbEventSource::Problem({path, older, third}), "");
}

TEST(WtmpdbEventSource, NothingIsReadBeforeTheOpen) {
  TTempFolder dir;
  const std::string path = dir.Path("wtmp.db");
  {
    TWtmpdbFile db(path);
    db.Boot(9000);
  }
  WtmpdbEventSource source({dir.Path("gone.db"), path});
  TSessionEvent event;
  EXPECT_FALSE(source.Next(event));
  EXPECT_FALSE(source.Open());
  EXPECT_FALSE(source.Next(event));
}

}  // namespace
