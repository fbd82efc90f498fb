#include "platform/x11/uri_list.h"

#include <gtest/gtest.h>

namespace {

TEST(UriList, TheLocalFilesOfADropAreDecoded) {
  struct TCase {
    std::string List;
    std::vector<std::string> Files;
  };
  const TCase cases[] = {
      {"file:///home/a/System.evtx\r\n", {"/home/a/System.evtx"}},
      {"file:///tmp/%E6%97%A5%E5%BF%97%20a.evtx\r\nfile://localhost/b\r\n",
       {"/tmp/日志 a.evtx", "/b"}},
      {"# a comment\r\nFILE://here/c\nfile://there/d\r\n",
       {"/c"}},  // another host's file is not here
      {"http://example.com/x\r\nfile:relative\r\nfile:///bad%2\r\nfile:///nul%00\r\n", {}},
      {"file:///e?query#part\r\n\r\n", {"/e"}},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(x11::LocalFilesOfUriList(c.List, "here"), c.Files) << c.List;
  }
}

}  // namespace
