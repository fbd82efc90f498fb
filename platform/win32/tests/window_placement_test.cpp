#include "platform/win32/window_placement.h"

#include <gtest/gtest.h>

namespace platform_win32 {
namespace {

const gfx::TRect kDesktop{0, 0, 1920, 1080};

TEST(CentredWindowRect, TheMainWindowSitsInTheMiddleOfTheDesktop) {
  // 681 x 509 is the main window's outer size with standard borders.
  const gfx::TRect r = CentredWindowRect({681, 509}, kDesktop, kDesktop);
  EXPECT_EQ(r, (gfx::TRect{619, 285, 1300, 794}));
  // The left and right gaps differ by at most the odd pixel.
  EXPECT_LE(std::abs((r.Left - kDesktop.Left) - (kDesktop.Right - r.Right)), 1);
}

TEST(CentredWindowRect, ADialogIsCentredOverItsOwner) {
  const gfx::TRect owner{619, 285, 1300, 794};
  const gfx::TRect r = CentredWindowRect({428, 375}, owner, kDesktop);
  EXPECT_EQ(r.Width(), 428);
  EXPECT_EQ(r.Height(), 375);
  EXPECT_EQ(r.Left, 619 + (681 - 428) / 2);
  EXPECT_EQ(r.Top, 285 + (509 - 375) / 2);
}

TEST(CentredWindowRect, IsPulledBackInsideTheDesktop) {
  // Owner near the bottom-right corner: the dialog would stick out.
  const gfx::TRect owner{1700, 1000, 1900, 1080};
  const gfx::TRect r = CentredWindowRect({428, 375}, owner, kDesktop);
  EXPECT_EQ(r.Right, 1920);
  EXPECT_EQ(r.Bottom, 1080);
  // Owner off the top-left corner.
  const gfx::TRect r2 = CentredWindowRect({428, 375}, {-500, -400, -300, -200}, kDesktop);
  EXPECT_EQ(r2.Left, 0);
  EXPECT_EQ(r2.Top, 0);
}

TEST(CentredWindowRect, AWindowLargerThanTheDesktopKeepsItsTitleBarOnScreen) {
  const gfx::TRect r = CentredWindowRect({1000, 900}, {0, 0, 800, 600}, {0, 0, 800, 600});
  EXPECT_EQ(r.Left, 0);
  EXPECT_EQ(r.Top, 0);
  EXPECT_EQ(r.Width(), 1000);
}

}  // namespace
}  // namespace platform_win32
