#include "platform/linux/login_records.h"

#include <gtest/gtest.h>

#include "bootlog/tests/temp_folder.h"
#include "platform/linux/tests/table_rows.h"
#include "platform/linux/tests/wtmp_records.h"
#include "platform/linux/tests/wtmpdb_file.h"

namespace {

// The same three boots in both stores: a clean one with a login, one that
// crashed, and the one running with a login.
struct TSameHistory : ::testing::Test {
  TTempFolder dir;
  TLoginRecordFiles files{{dir.Path("wtmp.db")}, {dir.Path("wtmp"), dir.Path("wtmp.1")}};

  void WriteWtmp() {
    dir.Write("wtmp.1", WtmpRecord(2, "reboot", 1236000000) + WtmpRecord(7, "zhang", 1236000600) +
                            WtmpRecord(8, "", 1236003600) + WtmpRecord(1, "shutdown", 1236036000));
    dir.Write("wtmp", WtmpRecord(2, "reboot", 1236100000) + WtmpRecord(2, "reboot", 1236200000) +
                          WtmpRecord(7, "li", 1236200300));
  }
  void WriteDatabase() {
    TWtmpdbFile db(files.Databases[0]);
    db.Boot(1236000000, 1236036000);
    db.Login("zhang", 1236000600, 1236003600);
    db.Boot(1236100000);
    db.Boot(1236200000);
    db.Login("li", 1236200300);
  }
};

TEST_F(TSameHistory, TheDatabaseGivesTheBootsOfTheEquivalentWtmp) {
  WriteWtmp();
  const std::vector<TRow> fromWtmp = Rows(*LoginRecordSource(files));
  ASSERT_EQ(fromWtmp.size(), 3u);
  EXPECT_EQ(fromWtmp[0].first[3], "li");
  EXPECT_EQ(fromWtmp[1].first[4], "非正常关机");
  EXPECT_EQ(fromWtmp[2].first[2], "10 时");
  EXPECT_EQ(fromWtmp[2].first[3], "zhang");

  std::filesystem::remove(files.Wtmp[0]);
  std::filesystem::remove(files.Wtmp[1]);
  WriteDatabase();
  EXPECT_EQ(Rows(*LoginRecordSource(files)), fromWtmp);
}

TEST_F(TSameHistory, WhereTheDatabaseExistsWtmpIsNotRead) {
  WriteWtmp();
  { TWtmpdbFile db(files.Databases[0]); }
  EXPECT_TRUE(Rows(*LoginRecordSource(files)).empty());
  // A damaged database is a log that cannot be opened, not a reason to read wtmp.
  dir.Write("wtmp.db", "not a database");
  auto source = LoginRecordSource(files);
  EXPECT_FALSE(source->Open());
}

// Debian 13 keeps the database in /var/log; earlier systems in /var/lib.
struct TDatabasePlaces : ::testing::Test {
  TTempFolder dir;
  TLoginRecordFiles files{{dir.Path("log.db"), dir.Path("lib.db")}, {dir.Path("wtmp")}};

  std::vector<std::string> Users() {
    std::vector<std::string> users;
    for (const TRow& row : Rows(*LoginRecordSource(files))) {
      users.push_back(row.first[3]);
    }
    return users;
  }
  void Write(const std::string& name, const std::string& user, int64_t boot) {
    TWtmpdbFile db(dir.Path(name));
    db.Boot(boot);
    db.Login(user, boot + 60);
  }
};

TEST_F(TDatabasePlaces, TheFirstPlaceThatHasOneWithItsRotatedFile) {
  dir.Write("wtmp", WtmpRecord(2, "reboot", 1236000000) + WtmpRecord(7, "wtmp", 1236000060));
  EXPECT_EQ(Users(), std::vector<std::string>{"wtmp"});
  Write("lib.db", "lib", 1236100000);
  Write("lib.db.1", "lib-older", 1236000000);
  EXPECT_EQ(Users(), (std::vector<std::string>{"lib", "lib-older"}));
  Write("log.db", "log", 1236300000);
  EXPECT_EQ(Users(), std::vector<std::string>{"log"});
  Write("log.db.1", "log-older", 1236200000);
  EXPECT_EQ(Users(), (std::vector<std::string>{"log", "log-older"}));
  dir.Write("log.db", "");  // just rotated
  EXPECT_EQ(Users(), std::vector<std::string>{"log-older"});
}

}  // namespace
