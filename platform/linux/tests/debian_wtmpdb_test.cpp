// Databases written by Debian 13's own wtmpdb (tests/wtmpdb/README.md). The
// expected rows are what `wtmpdb last -x` printed for each, in UTC, with the
// table's fixed 8 hours added; a boot's user is the first login after it.
#include <gtest/gtest.h>

#include "platform/linux/login_records.h"
#include "platform/linux/tests/table_rows.h"
#include "platform/linux/wtmpdb_source.h"

namespace {

using TCols = std::array<std::string, 5>;

std::vector<TCols> Columns(const std::vector<std::string>& files) {
  EXPECT_EQ(WtmpdbEventSource::Problem(files), "");
  WtmpdbEventSource source(files);
  std::vector<TCols> columns;
  for (const TRow& row : Rows(source)) {
    columns.push_back(row.first);
  }
  return columns;
}

const std::string kSamples = DORVEX_WTMPDB_SAMPLES;

TEST(DebianWtmpdb, BootsCrashesAndUsersAsWtmpdbLastShowsThem) {
  // reboot 2026-03-03T11:59:59 still running (alice 12:05, bob 12:10);
  // reboot 07:29:59 crash (bob 07:35, bob 08:00);
  // reboot 2026-03-02T08:00:10 - 18:00:00 (alice 08:05, bob 09:00, alice 17:00).
  EXPECT_EQ(Columns(WtmpdbEventSource::Rotated(kSamples + "/live.db")),
            (std::vector<TCols>{
                {"2026/3/3 19:59:59", "", "", "alice", "正常,运行中..."},
                {"2026/3/3 15:29:59", "", "", "bob", "非正常关机"},
                {"2026/3/2 16:00:10", "2026/3/3 2:00:00", "9 时59 分50 秒", "alice", "正常关机"},
            }));
}

TEST(DebianWtmpdb, ASoftRebootIsABoot) {
  // s-reboot 2026-03-05T10:00:40 still running (alice 10:05);
  // reboot 08:59:59 - 10:00:00.
  EXPECT_EQ(Columns({kSamples + "/live-softreboot.db"}),
            (std::vector<TCols>{
                {"2026/3/5 18:00:40", "", "", "alice", "正常,运行中..."},
                {"2026/3/5 16:59:59", "2026/3/5 18:00:00", "1 时1 秒", "", "正常关机"},
            }));
}

TEST(DebianWtmpdb, AfterTheYearlyRotationTheRenamedFileIsRead) {
  // reboot 2026-03-10T07:59:59 still running (alice 09:00);
  // reboot 2026-03-01T07:59:59 crash (alice 09:00);
  // reboot 2026-02-10T08:00:00 - 02-20T18:00:00 (bob 09:00:01);
  // reboot 2026-01-10T08:00:00 - 18:00:00 (alice 09:00).
  const std::vector<TCols> rotated = {
      {"2026/3/10 15:59:59", "", "", "alice", "正常,运行中..."},
      {"2026/3/1 15:59:59", "", "", "alice", "非正常关机"},
      {"2026/2/10 16:00:00", "2026/2/21 2:00:00", "10 天10 时", "bob", "正常关机"},
      {"2026/1/10 16:00:00", "2026/1/11 2:00:00", "10 时", "alice", "正常关机"},
  };
  const std::string path = kSamples + "/after-logrotate/wtmp.db";
  EXPECT_EQ(Columns(WtmpdbEventSource::Rotated(path)), rotated);
  EXPECT_TRUE(Columns({path}).empty());

  // Where the system keeps it.
  TLoginRecordFiles files{{kSamples + "/none.db", path}, {}};
  EXPECT_EQ(Rows(*LoginRecordSource(files)).size(), rotated.size());
}

}  // namespace
