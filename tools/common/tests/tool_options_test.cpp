// Every tool refuses bad numbers and oversized pictures with exit status 2, a
// message naming the option, and nothing written.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

class ToolOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = std::string(::testing::TempDir()) + "dorvex_tools.XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Runs the tool with --out in the folder; its exit status, with the first
  // line of its standard error in `message`.
  int Run(const char* tool, const std::string& args, const char* out = "--out") {
    const std::string err = dir_ + "/stderr";
    const std::string command = std::string("ASAN_OPTIONS=detect_leaks=0 '") + tool + "' " + args +
                                " " + out + " '" + dir_ + "/out.png' 2>'" + err + "'";
    const int status = std::system(command.c_str());
    std::ifstream in(err);
    std::getline(in, message);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  bool Wrote() const { return std::filesystem::exists(dir_ + "/out.png"); }

  std::string dir_;
  std::string message;
};

TEST_F(ToolOptions, SnapshotNumbersAreTakenWholeAndInRange) {
  EXPECT_EQ(Run(DORVEX_SNAPSHOT, "--dpi 96abc"), 2);
  EXPECT_EQ(message, "dorvex-snapshot: --dpi takes a whole number from 48 to 480, not '96abc'");
  EXPECT_EQ(Run(DORVEX_SNAPSHOT, "--uptime 99999999999999999999"), 2);
  EXPECT_EQ(message,
            "dorvex-snapshot: --uptime takes a whole number from 0 to 2147483647, not "
            "'99999999999999999999'");
  EXPECT_EQ(Run(DORVEX_SNAPSHOT, "--size ' 673x475'"), 2);
  EXPECT_NE(message.find("--size takes WxH"), std::string::npos) << message;
  EXPECT_EQ(Run(DORVEX_SNAPSHOT, "--now '2025-01-01 99999999999:00:00'"), 2);
  EXPECT_NE(message.find("--now"), std::string::npos) << message;
  EXPECT_FALSE(Wrote());
}

TEST_F(ToolOptions, SnapshotRefusesPicturesOverTheLimit) {
  EXPECT_EQ(Run(DORVEX_SNAPSHOT, "--size 10000x10000 --dpi 480"), 2);
  EXPECT_EQ(message,
            "dorvex-snapshot: the picture would be 50000 x 50000 pixels, over the 100 million a "
            "tool makes");
  EXPECT_FALSE(Wrote());
}

TEST_F(ToolOptions, SnapshotRefusesFormatsThatDoNotReadBack) {
  EXPECT_EQ(Run(DORVEX_SNAPSHOT, "--date-format yyyy"), 2);
  EXPECT_NE(message.find("--date-format 'yyyy'"), std::string::npos) << message;
  EXPECT_NE(message.find("reads back as 2008-01-01"), std::string::npos) << message;
  EXPECT_EQ(Run(DORVEX_SNAPSHOT, "--time-format h:mm:ss"), 2);
  EXPECT_NE(message.find("--time-format 'h:mm:ss'"), std::string::npos) << message;
  EXPECT_FALSE(Wrote());
}

TEST_F(ToolOptions, ChartRefusesJunkAndPicturesOverTheLimit) {
  EXPECT_EQ(Run(DORVEX_CHART, "--wheel 1e3"), 2);
  EXPECT_EQ(message, "dorvex-chart: --wheel takes a whole number from -10000 to 10000, not '1e3'");
  EXPECT_EQ(Run(DORVEX_CHART, "--drag 1,2,3,+4"), 2);
  EXPECT_NE(message.find("--drag takes X0,Y0,X1,Y1"), std::string::npos) << message;
  EXPECT_EQ(Run(DORVEX_CHART, "--size 16384x16384"), 2);
  EXPECT_NE(message.find("the picture would be 16385 x 16385 pixels"), std::string::npos)
      << message;
  // Each side is allowed; the dpi makes the product too large.
  EXPECT_EQ(Run(DORVEX_CHART, "--size 5000x5000 --dpi 480"), 2);
  EXPECT_NE(message.find("the picture would be"), std::string::npos) << message;
  EXPECT_FALSE(Wrote());
}

TEST_F(ToolOptions, AboutSnapshotRefusesJunkAndPicturesOverTheLimit) {
  EXPECT_EQ(Run(DORVEX_ABOUT_SNAPSHOT, "--zoom 16abc"), 2);
  EXPECT_EQ(message,
            "dorvex-about-snapshot: --zoom takes a whole number from 1 to 16, not '16abc'");
  EXPECT_EQ(Run(DORVEX_ABOUT_SNAPSHOT, "--hover 99999999999,1"), 2);
  EXPECT_NE(message.find("--hover takes X,Y"), std::string::npos) << message;
  EXPECT_EQ(Run(DORVEX_ABOUT_SNAPSHOT, "--dpi 480 --zoom 16"), 2);
  EXPECT_NE(message.find("the picture would be"), std::string::npos) << message;
  EXPECT_FALSE(Wrote());
  // A zoom that fits is made.
  EXPECT_EQ(Run(DORVEX_ABOUT_SNAPSHOT, "--crop 0,0,20,10 --zoom 16"), 0) << message;
  EXPECT_TRUE(Wrote());
}

// Standard output, standard error and the exit status of a tool run with `args`.
struct TRun {
  std::string Out, Err;
  int Status = -1;
};
TRun RunTool(const std::string& dir, const char* tool, const std::string& args) {
  const int status = std::system((std::string("ASAN_OPTIONS=detect_leaks=0 DISPLAY= '") + tool +
                                  "' " + args + " >'" + dir + "/out' 2>'" + dir + "/err'")
                                     .c_str());
  auto read = [&](const char* name) {
    std::ifstream in(dir + "/" + name);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  return {read("out"), read("err"), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST_F(ToolOptions, EveryProgramAnswersHelpAndVersionAndRefusesWhatItDoesNotKnow) {
  for (const char* tool : {DORVEX, DORVEX_TABLE, DORVEX_CHART, DORVEX_SNAPSHOT,
                           DORVEX_ABOUT_SNAPSHOT, DORVEX_ICON, GFX_SHEET}) {
    const std::string name = std::filesystem::path(tool).filename().string();
    const TRun help = RunTool(dir_, tool, "--help");
    EXPECT_EQ(help.Status, 0) << name;
    EXPECT_NE(help.Out.find("\nusage: " + name + " "), std::string::npos) << help.Out;
    EXPECT_EQ(help.Err, "") << name;
    const TRun version = RunTool(dir_, tool, "--version");
    EXPECT_EQ(version.Status, 0) << name;
    EXPECT_EQ(version.Out, name + " 2.0\n");
    const TRun wrong = RunTool(dir_, tool, "--colour red");
    EXPECT_EQ(wrong.Status, 2) << name;
    EXPECT_EQ(wrong.Out, "") << name;
    EXPECT_EQ(wrong.Err.substr(0, wrong.Err.find('\n')), name + ": unknown option '--colour'");
    EXPECT_NE(wrong.Err.find("\nusage: " + name + " "), std::string::npos) << wrong.Err;
  }
  for (const char* tool : {DORVEX, DORVEX_TABLE, DORVEX_CHART, DORVEX_SNAPSHOT}) {
    EXPECT_EQ(RunTool(dir_, tool, "--evtx").Status, 2) << tool;  // a value missing
  }
}

TEST_F(ToolOptions, IconSizeIsTakenWhole) {
  EXPECT_EQ(Run(DORVEX_ICON, "--png 48px", ""), 2);
  EXPECT_EQ(message, "dorvex-icon: SIZE takes a whole number from 1 to 1024, not '48px'");
  EXPECT_FALSE(Wrote());
}

}  // namespace
