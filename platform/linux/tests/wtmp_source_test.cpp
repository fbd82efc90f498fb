#include "platform/linux/wtmp_source.h"

#include <gtest/gtest.h>
#include <utmp.h>

#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

struct utmp Entry(short type, const char* user, int32_t seconds) {
  struct utmp u;
  std::memset(&u, 0, sizeof u);
  u.ut_type = type;
  std::strncpy(u.ut_user, user, sizeof u.ut_user);
  u.ut_tv.tv_sec = seconds;
  return u;
}

class WtmpFile : public ::testing::Test {
 protected:
  std::string path = ::testing::TempDir() + "dorvex_wtmp_test";
  void Write(const std::vector<struct utmp>& entries, size_t extraBytes = 0) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const auto& u : entries) {
      out.write(reinterpret_cast<const char*>(&u), sizeof u);
    }
    const std::string tail(extraBytes, '\x07');
    out.write(tail.data(), static_cast<std::streamsize>(tail.size()));
  }
  void TearDown() override { std::remove(path.c_str()); }
};

TEST_F(WtmpFile, RecordsBecomeEventsNewestFirst) {
  // The file is in time order; the log reads backwards.
  Write({Entry(BOOT_TIME, "reboot", 100), Entry(LOGIN_PROCESS, "LOGIN", 105),
         Entry(USER_PROCESS, "zhang", 110), Entry(DEAD_PROCESS, "", 150),
         Entry(RUN_LVL, "runlevel", 160), Entry(RUN_LVL, "shutdown", 200),
         Entry(BOOT_TIME, "reboot", 300)},
        sizeof(struct utmp) / 2);
  WtmpEventSource source(path);
  ASSERT_TRUE(source.OpenSystemLog());
  std::vector<std::pair<int, uint32_t>> seen;
  std::vector<std::string> users;
  TLogEvent e;
  while (source.ReadNextEvent(e)) {
    seen.push_back({e.EventCode, e.TimeGenerated});
    users.push_back(source.LookupUserName(e));
  }
  const std::vector<std::pair<int, uint32_t>> expected = {
      {6005, 300}, {6006, 200}, {7035, 110}, {6005, 100}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(users[2], "zhang");
  EXPECT_EQ(users[0], "N/A");
}

TEST_F(WtmpFile, MissingEmptyOrShortFilesCannotBeOpened) {
  WtmpEventSource missing(path + ".none");
  EXPECT_FALSE(missing.OpenSystemLog());
  Write({});
  WtmpEventSource empty(path);
  EXPECT_FALSE(empty.OpenSystemLog());
  Write({}, 10);
  WtmpEventSource shortFile(path);
  EXPECT_FALSE(shortFile.OpenSystemLog());
}

TEST_F(WtmpFile, FullUserFieldWithoutTerminator) {
  struct utmp u = Entry(USER_PROCESS, "", 5);
  std::memset(u.ut_user, 'a', sizeof u.ut_user);
  Write({u});
  WtmpEventSource source(path);
  ASSERT_TRUE(source.OpenSystemLog());
  TLogEvent e;
  ASSERT_TRUE(source.ReadNextEvent(e));
  EXPECT_EQ(source.LookupUserName(e), std::string(sizeof u.ut_user, 'a'));
}

}  // namespace
