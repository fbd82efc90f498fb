#include "platform/linux/login_records.h"

#include <gtest/gtest.h>

#include <cstring>

#include "bootlog/complete.h"
#include "bootlog/reconstruct.h"
#include "bootlog/tests/temp_folder.h"
#include "platform/linux/tests/wtmpdb_file.h"

namespace {

std::string WtmpRecord(int16_t type, const char* user, uint32_t seconds) {
  std::string r(384, '\0');
  r[0] = static_cast<char>(type);
  std::memcpy(&r[44], user, std::strlen(user));
  std::memcpy(&r[340], &seconds, 4);
  return r;
}

using TRow = std::pair<std::array<std::string, 5>, int>;

std::vector<TRow> Rows(EventSource& source) {
  TBootTable table;
  ReadBootEvents(source, RegionalFormats{}, table);
  std::vector<TRow> rows;
  for (const TBootRow& row : CompleteBootTable(table, RegionalFormats{}).Rows) {
    rows.push_back({row.Columns, row.StateImage});
  }
  return rows;
}

// The same three boots in both stores: a clean one with a login, one that
// crashed, and the one running with a login.
struct TSameHistory : ::testing::Test {
  TTempFolder dir;
  TLoginRecordFiles files{dir.Path("wtmp.db"), {dir.Path("wtmp"), dir.Path("wtmp.1")}};

  void WriteWtmp() {
    dir.Write("wtmp.1", WtmpRecord(2, "reboot", 1236000000) + WtmpRecord(7, "zhang", 1236000600) +
                            WtmpRecord(8, "", 1236003600) + WtmpRecord(1, "shutdown", 1236036000));
    dir.Write("wtmp", WtmpRecord(2, "reboot", 1236100000) + WtmpRecord(2, "reboot", 1236200000) +
                          WtmpRecord(7, "li", 1236200300));
  }
  void WriteDatabase() {
    TWtmpdbFile db(files.Database);
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
  { TWtmpdbFile db(files.Database); }
  EXPECT_TRUE(Rows(*LoginRecordSource(files)).empty());
  // A damaged database is a log that cannot be opened, not a reason to read wtmp.
  dir.Write("wtmp.db", "not a database");
  auto source = LoginRecordSource(files);
  EXPECT_FALSE(source->OpenSystemLog());
}

}  // namespace
