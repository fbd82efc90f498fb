#include "platform/win32/link_open.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform_win32 {
namespace {

class TFakeShell : public TLinkShell {
 public:
  bool Accept = true;
  std::vector<std::string> Opened;
  std::vector<std::string> Choosers;
  bool OpenVerb(const std::string& target) override {
    Opened.push_back(target);
    return Accept;
  }
  void StartChooser(const std::string& pattern) override { Choosers.push_back(pattern); }
};

TEST(FileExtension, TakesTheLastDotUnlessAPathOrDriveSeparatorFollows) {
  EXPECT_EQ(FileExtension("http://www.example.com/index.htm"), ".htm");
  EXPECT_EQ(FileExtension("http://www.example.com"), ".com");
  EXPECT_EQ(FileExtension("mailto:someone@example.cn"), ".cn");
  EXPECT_EQ(FileExtension("C:\\pages.old\\readme"), "");
  EXPECT_EQ(FileExtension("mailto:x"), "");
  EXPECT_EQ(FileExtension("page."), ".");
  EXPECT_EQ(FileExtension(""), "");
}

TEST(OpenLinkTarget, AnAcceptedTargetIsOpenedOnce) {
  TFakeShell shell;
  EXPECT_TRUE(OpenLinkTarget(shell, "http://www.example.com/"));
  EXPECT_EQ(shell.Opened, std::vector<std::string>{"http://www.example.com/"});
  EXPECT_TRUE(shell.Choosers.empty());
}

TEST(OpenLinkTarget, ARefusedHtmPageStartsTheChooserInAnyCase) {
  for (const char* target : {"C:\\doc\\help.htm", "http://x.cn/A.HTM", "page.Htm"}) {
    TFakeShell shell;
    shell.Accept = false;
    EXPECT_FALSE(OpenLinkTarget(shell, target)) << target;
    EXPECT_EQ(shell.Choosers, std::vector<std::string>{"*.htm"}) << target;
  }
}

TEST(OpenLinkTarget, OtherRefusalsAreSilent) {
  for (const char* target :
       {"http://x.cn/a.html", "mailto:me@example.com", "http://x.cn/htm", "C:\\a.htm\\b"}) {
    TFakeShell shell;
    shell.Accept = false;
    EXPECT_FALSE(OpenLinkTarget(shell, target)) << target;
    EXPECT_EQ(shell.Opened.size(), 1u) << target;
    EXPECT_TRUE(shell.Choosers.empty()) << target;
  }
}

TEST(OpenLinkTarget, AnEmptyTargetReachesNoShell) {
  TFakeShell shell;
  EXPECT_FALSE(OpenLinkTarget(shell, ""));
  EXPECT_TRUE(shell.Opened.empty());
  EXPECT_TRUE(shell.Choosers.empty());
}

}  // namespace
}  // namespace platform_win32
