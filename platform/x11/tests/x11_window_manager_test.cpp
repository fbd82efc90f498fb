// How the platform meets the window manager's ping and X's errors, against a
// real X server. (What the windows tell the window manager is checked by the
// end-to-end test under openbox.)
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <string>

#include "ui/application.h"
#include "ui/form.h"
// Xlib's macros last.
#include <X11/Xlib.h>
#include "platform/x11/x11_display.h"
#include "platform/x11/x11_platform.h"
#include "platform/x11/x11_window.h"

namespace {

class X11WindowManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform = x11::TX11Platform::Open();
    if (!platform) {
      GTEST_SKIP() << "no X display";
    }
    dpy = platform->Display().Dpy;
    app = std::make_unique<TApplication>(*platform);
    form = std::make_unique<TForm>();
    form->SetClientSize(50, 50);
    app->MainForm = form.get();
    form->ShowWindow();
  }
  std::unique_ptr<x11::TX11Platform> platform;
  std::unique_ptr<TApplication> app;
  std::unique_ptr<TForm> form;
  Display* dpy = nullptr;
};

TEST_F(X11WindowManagerTest, AWindowManagersPingIsAnsweredOnTheRootWindow) {
  const ::Window w = static_cast<x11::TX11Window*>(form->Window())->Handle();
  Display* manager = XOpenDisplay(nullptr);
  ASSERT_NE(manager, nullptr);
  XSelectInput(manager, DefaultRootWindow(manager), SubstructureNotifyMask);
  XEvent ping{};
  ping.xclient.type = ClientMessage;
  ping.xclient.window = w;
  ping.xclient.message_type = XInternAtom(manager, "WM_PROTOCOLS", False);
  ping.xclient.format = 32;
  ping.xclient.data.l[0] = static_cast<long>(XInternAtom(manager, "_NET_WM_PING", False));
  ping.xclient.data.l[1] = 4711;
  XSendEvent(manager, w, False, NoEventMask, &ping);
  XEvent pong{};
  bool answered = false;
  for (int i = 0; i < 50 && !answered; ++i) {
    XSync(manager, False);
    app->HandleMessage(10);
    answered = XCheckTypedWindowEvent(manager, DefaultRootWindow(manager), ClientMessage, &pong);
  }
  ASSERT_TRUE(answered);
  EXPECT_EQ(pong.xclient.data.l[1], 4711);
  XCloseDisplay(manager);
}

TEST_F(X11WindowManagerTest, AFailedRequestIsToldOncePerKindAndTheProgramGoesOn) {
  const ::Window unmapped = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 9, 9, 0, 0, 0);
  testing::internal::CaptureStderr();
  for (int i = 0; i < 3; ++i) {
    XSetInputFocus(dpy, unmapped, RevertToParent, CurrentTime);  // BadMatch
    XMapWindow(dpy, unmapped + 4096);                            // BadWindow
  }
  XSync(dpy, False);
  const std::string told = testing::internal::GetCapturedStderr();
  for (const char* kind : {"BadMatch (invalid parameter attributes) in request X_SetInputFocus",
                           "BadWindow (invalid Window parameter) in request X_MapWindow"}) {
    EXPECT_NE(told.find(kind), std::string::npos) << told;
    EXPECT_EQ(told.find(kind), told.rfind(kind)) << told;
  }
  EXPECT_TRUE(platform->ProcessEvents(0));
}

TEST_F(X11WindowManagerTest, ALostDisplayEndsTheLoopWithStatusOne) {
  shutdown(ConnectionNumber(dpy), SHUT_RDWR);
  testing::internal::CaptureStderr();
  EXPECT_EQ(app->Run(), 1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("connection to the display was lost"),
            std::string::npos);
}

}  // namespace
