#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/x11/open_address.h"

namespace {

// A stand-in xdg-open on PATH that writes its arguments, one per line, to a file.
class OpenAddressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/dorvex-open-XXXXXX";
    dir_ = mkdtemp(tmpl);
    std::ofstream script(dir_ + "/xdg-open");
    script << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > " << dir_
           << "/args.tmp\nmv " << dir_ << "/args.tmp " << dir_ << "/args\n";
    script.close();
    chmod((dir_ + "/xdg-open").c_str(), 0755);
    oldPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (dir_ + ":" + oldPath_).c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", oldPath_.c_str(), 1);
    std::system(("rm -rf " + dir_).c_str());
  }
  std::string WaitForArgs() {
    for (int i = 0; i < 200; ++i) {
      std::ifstream in(dir_ + "/args");
      if (in) {
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return "(not started)";
  }
  std::string dir_, oldPath_;
};

TEST_F(OpenAddressTest, TheAddressIsOneArgumentAndNoShellReadsIt) {
  EXPECT_TRUE(x11::OpenWithDefaultHandler("https://example.org/a b;touch /tmp/x$(id)&c=1"));
  EXPECT_EQ(WaitForArgs(), "https://example.org/a b;touch /tmp/x$(id)&c=1\n");
}

TEST_F(OpenAddressTest, AHandlerThatCannotBeStartedIsReported) {
  // Not executable: found on PATH, but exec fails.
  chmod((dir_ + "/xdg-open").c_str(), 0644);
  setenv("PATH", dir_.c_str(), 1);
  EXPECT_FALSE(x11::OpenWithDefaultHandler("https://example.org/"));
  setenv("PATH", "/nonexistent", 1);
  EXPECT_FALSE(x11::OpenWithDefaultHandler("https://example.org/"));
  EXPECT_FALSE(x11::OpenWithDefaultHandler(""));
}

TEST_F(OpenAddressTest, AStartedHandlerCountsWithoutWaitingForIt) {
  // A handler that takes its time (a browser starting) and then fails.
  std::ofstream script(dir_ + "/xdg-open");
  script << "#!/bin/sh\nexec >/dev/null 2>&1\nsleep 5\nexit 4\n";
  script.close();
  EXPECT_TRUE(x11::OpenWithDefaultHandler("https://example.org/"));
}

}  // namespace
