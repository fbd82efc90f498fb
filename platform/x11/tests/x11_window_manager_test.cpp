// What the windows tell the window manager and how the platform meets X's
// errors, against a real X server without a window manager.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/timer.h"
// Xlib's macros last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
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
    x = &platform->Display();
  }
  ::Window Handle(TForm& form) { return static_cast<x11::TX11Window*>(form.Window())->Handle(); }
  // A property of 32-bit items (atoms, windows, cardinals).
  std::vector<long> Property(::Window w, Atom property) {
    std::vector<long> values;
    Atom type;
    int format;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(x->Dpy, w, property, 0, 64, False, AnyPropertyType, &type, &format,
                           &count, &after, &data) == Success &&
        data) {
      values.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
      XFree(data);
    }
    return values;
  }
  ::Window Focus() {
    ::Window focus = 0;
    int revert = 0;
    XGetInputFocus(x->Dpy, &focus, &revert);
    return focus;
  }
  std::unique_ptr<x11::TX11Platform> platform;
  x11::TX11Display* x = nullptr;
};

TEST_F(X11WindowManagerTest, AModalDialogSaysWhoseItIsWhoMadeItAndTakesTheKeyboardOnceMapped) {
  TApplication app(*platform);
  TForm main;
  main.SetClientSize(200, 100);
  app.MainForm = &main;
  main.ShowWindow();
  TForm dialog;
  dialog.Kind = wkDialog;
  dialog.SetClientSize(120, 60);
  std::vector<long> pid, modal, owner, protocols, type;
  std::string machine;
  XSizeHints hints{};
  ::Window focused = 0;
  int tries = 0;
  // Looks once the dialog has the keyboard (its MapNotify came), then closes it.
  const auto look = AppTimers().Add(10, [&] {
    if (Focus() != Handle(dialog) && ++tries < 200) {
      return;
    }
    focused = Focus();
    const ::Window w = Handle(dialog);
    pid = Property(w, x->NetWmPid);
    modal = Property(w, x->NetWmState);
    owner = Property(w, XA_WM_TRANSIENT_FOR);
    protocols = Property(w, x->WmProtocols);
    type = Property(w, x->NetWmWindowType);
    XTextProperty text{};
    if (XGetWMClientMachine(x->Dpy, w, &text) && text.value) {
      machine = reinterpret_cast<char*>(text.value);
      XFree(text.value);
    }
    long supplied = 0;
    XGetWMNormalHints(x->Dpy, w, &hints, &supplied);
    dialog.Close();
  });
  dialog.ShowModal();
  AppTimers().Remove(look);
  EXPECT_EQ(focused, Handle(dialog));
  EXPECT_EQ(pid, std::vector<long>{getpid()});
  char host[256] = {};
  gethostname(host, sizeof host - 1);
  EXPECT_EQ(machine, host);
  EXPECT_EQ(owner, std::vector<long>{static_cast<long>(Handle(main))});
  EXPECT_EQ(modal, std::vector<long>{static_cast<long>(x->NetWmStateModal)});
  EXPECT_EQ(type, std::vector<long>{static_cast<long>(x->NetWmWindowTypeDialog)});
  EXPECT_EQ(protocols, (std::vector<long>{static_cast<long>(x->WmDeleteWindow),
                                          static_cast<long>(x->NetWmPing)}));
  EXPECT_EQ(hints.min_width, 120);
  EXPECT_EQ(hints.max_width, 120);
  EXPECT_EQ(hints.min_height, 60);
  EXPECT_EQ(hints.max_height, 60);
  // Closed, it hands the keyboard back to its opener.
  XSync(x->Dpy, False);
  EXPECT_EQ(Focus(), Handle(main));
}

TEST_F(X11WindowManagerTest, AWindowManagersPingIsAnsweredOnTheRootWindow) {
  TApplication app(*platform);
  TForm form;
  form.SetClientSize(50, 50);
  form.ShowWindow();
  Display* manager = XOpenDisplay(nullptr);
  ASSERT_NE(manager, nullptr);
  const ::Window root = DefaultRootWindow(manager);
  XSelectInput(manager, root, SubstructureNotifyMask);
  XEvent ping{};
  ping.xclient.type = ClientMessage;
  ping.xclient.window = Handle(form);
  ping.xclient.message_type = XInternAtom(manager, "WM_PROTOCOLS", False);
  ping.xclient.format = 32;
  ping.xclient.data.l[0] = static_cast<long>(XInternAtom(manager, "_NET_WM_PING", False));
  ping.xclient.data.l[1] = 4711;
  ping.xclient.data.l[2] = static_cast<long>(Handle(form));
  XSendEvent(manager, Handle(form), False, NoEventMask, &ping);
  XSync(manager, False);
  XEvent pong{};
  bool answered = false;
  for (int i = 0; i < 50 && !answered; ++i) {
    app.HandleMessage(10);
    XSync(manager, False);
    answered = XCheckTypedWindowEvent(manager, root, ClientMessage, &pong);
  }
  ASSERT_TRUE(answered);
  EXPECT_EQ(pong.xclient.data.l[1], 4711);
  EXPECT_EQ(static_cast<::Window>(pong.xclient.data.l[2]), Handle(form));
  XCloseDisplay(manager);
}

TEST_F(X11WindowManagerTest, AFailedRequestIsToldOncePerKindAndTheProgramGoesOn) {
  const ::Window unmapped =
      XCreateSimpleWindow(x->Dpy, DefaultRootWindow(x->Dpy), 0, 0, 10, 10, 0, 0, 0);
  testing::internal::CaptureStderr();
  for (int i = 0; i < 3; ++i) {
    XSetInputFocus(x->Dpy, unmapped, RevertToParent, CurrentTime);  // BadMatch
    XMapWindow(x->Dpy, unmapped + 4096);                            // BadWindow
  }
  XSync(x->Dpy, False);
  const std::string told = testing::internal::GetCapturedStderr();
  EXPECT_EQ(told.find("BadMatch"), told.rfind("BadMatch")) << told;
  EXPECT_NE(told.find("X_SetInputFocus"), std::string::npos) << told;
  EXPECT_EQ(told.find("BadWindow"), told.rfind("BadWindow")) << told;
  EXPECT_NE(told.find("X_MapWindow"), std::string::npos) << told;
  EXPECT_TRUE(platform->ProcessEvents(0));
}

TEST_F(X11WindowManagerTest, ALostDisplayEndsTheLoopWithStatusOne) {
  TApplication app(*platform);
  TForm form;
  form.SetClientSize(50, 50);
  app.MainForm = &form;
  form.ShowWindow();
  shutdown(ConnectionNumber(x->Dpy), SHUT_RDWR);
  testing::internal::CaptureStderr();
  EXPECT_EQ(app.Run(), 1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("connection to the display was lost"),
            std::string::npos);
  EXPECT_FALSE(platform->ProcessEvents(0));
}

}  // namespace
