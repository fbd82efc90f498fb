// Runs against a real X server (Xvfb in CI); skipped when there is no display.
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <string>

#include "ui/application.h"
#include "ui/form.h"
// Xlib's macros last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include "platform/x11/x11_display.h"
#include "platform/x11/x11_platform.h"
#include "platform/x11/x11_window.h"

namespace {

class X11Test : public ::testing::Test {
 protected:
  void SetUp() override {
    platform = x11::TX11Platform::Open();
    if (!platform) {
      GTEST_SKIP() << "no X display";
    }
  }
  std::unique_ptr<x11::TX11Platform> platform;
};

// A form that records what the window told it.
class TProbeForm : public TForm {
 public:
  int Closes = 0;
  TSize Resized;
  void WindowCloseRequest() override { ++Closes; }
  void WindowResized(int w, int h) override {
    Resized = {w, h};
    TForm::WindowResized(w, h);
  }
};

TEST_F(X11Test, WindowHasItsTitleSizeAndShowsThePresentedImage) {
  TApplication app(*platform);
  TProbeForm form;
  form.SetCaption("Dorvex 测试");
  form.SetColor(gfx::MakeColor(10, 200, 30));
  form.SetClientSize(200, 120);
  form.ShowWindow();
  auto* w = dynamic_cast<x11::TX11Window*>(form.Window());
  ASSERT_NE(w, nullptr);
  Display* dpy = platform->Display().Dpy;
  XSync(dpy, False);
  for (int i = 0; i < 20; ++i) {
    app.HandleMessage(20);
  }

  XWindowAttributes wa;
  XGetWindowAttributes(dpy, w->Handle(), &wa);
  EXPECT_EQ(wa.width, 200);
  EXPECT_EQ(wa.height, 120);

  Atom type;
  int format;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  ASSERT_EQ(
      XGetWindowProperty(dpy, w->Handle(), platform->Display().NetWmName, 0, 1024, False,
                         platform->Display().Utf8String, &type, &format, &count, &after, &data),
      Success);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(data), count), "Dorvex 测试");
  XFree(data);

  XImage* img = XGetImage(dpy, w->Handle(), 5, 5, 1, 1, AllPlanes, ZPixmap);
  ASSERT_NE(img, nullptr);
  unsigned long px = XGetPixel(img, 0, 0);
  XDestroyImage(img);
  EXPECT_EQ(px & 0xFFFFFF, 0x0AC81Eu);  // 10, 200, 30 as 0xRRGGBB
}

TEST_F(X11Test, TheCloseBoxAsksTheFormAndKeysAndButtonsArrive) {
  TApplication app(*platform);
  TProbeForm form;
  form.SetCaption("probe");
  form.SetClientSize(100, 100);
  int downs = 0;
  auto* c = form.Add<TControl>();
  c->SetBounds(0, 0, 100, 100);
  c->OnMouseDown = [&](TMouseButton b, TShiftState s, int x, int y) {
    downs += b == mbLeft && (s & ssLeft) && x == 10 && y == 20;
  };
  form.ShowWindow();
  auto* w = dynamic_cast<x11::TX11Window*>(form.Window());
  Display* dpy = platform->Display().Dpy;

  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = w->Handle();
  ev.xclient.message_type = platform->Display().WmProtocols;
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(platform->Display().WmDeleteWindow);
  XSendEvent(dpy, w->Handle(), False, NoEventMask, &ev);

  XEvent press{};
  press.xbutton.type = ButtonPress;
  press.xbutton.window = w->Handle();
  press.xbutton.button = Button1;
  press.xbutton.x = 10;
  press.xbutton.y = 20;
  XSendEvent(dpy, w->Handle(), False, ButtonPressMask, &press);
  XSync(dpy, False);
  for (int i = 0; i < 10; ++i) {
    app.HandleMessage(10);
  }
  EXPECT_EQ(form.Closes, 1);
  EXPECT_EQ(downs, 1);
}

TEST_F(X11Test, AResizeByTheUserReachesTheToolkit) {
  TApplication app(*platform);
  TProbeForm form;
  form.SetCaption("resize");
  form.SetClientSize(150, 100);
  auto* band = form.Add<TControl>();
  band->SetBounds(0, 0, 10, 19);
  band->SetAlign(alBottom);
  form.ShowWindow();
  auto* w = dynamic_cast<x11::TX11Window*>(form.Window());
  Display* dpy = platform->Display().Dpy;
  XResizeWindow(dpy, w->Handle(), 300, 220);
  XSync(dpy, False);
  for (int i = 0; i < 20 && form.Width() != 300; ++i) {
    app.HandleMessage(20);
  }
  EXPECT_EQ(form.Resized, (TSize{300, 220}));
  EXPECT_EQ(form.Width(), 300);
  EXPECT_EQ(band->BoundsRect(), (TRect{0, 201, 300, 220}));
  EXPECT_EQ(form.Image().Width(), 300);
  EXPECT_GE(platform->ScreenDpi(), 24);
  EXPECT_GE(platform->ColorDepth(), 8);
}

TEST_F(X11Test, AWindowManagersPingIsAnsweredOnTheRootWindow) {
  TApplication app(*platform);
  TProbeForm form;
  form.ShowWindow();
  const ::Window w = static_cast<x11::TX11Window*>(form.Window())->Handle();
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
    app.HandleMessage(10);
    answered = XCheckTypedWindowEvent(manager, DefaultRootWindow(manager), ClientMessage, &pong);
  }
  ASSERT_TRUE(answered);
  EXPECT_EQ(pong.xclient.data.l[1], 4711);
  XCloseDisplay(manager);
}

TEST_F(X11Test, AFailedRequestIsToldOncePerKindAndTheProgramGoesOn) {
  Display* dpy = platform->Display().Dpy;
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

TEST_F(X11Test, ALostDisplayEndsTheLoopWithStatusOne) {
  TApplication app(*platform);
  TProbeForm form;
  app.MainForm = &form;
  form.ShowWindow();
  shutdown(ConnectionNumber(platform->Display().Dpy), SHUT_RDWR);
  testing::internal::CaptureStderr();
  EXPECT_EQ(app.Run(), 1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("connection to the display was lost"),
            std::string::npos);
}

TEST(X11Keys, KeysymsAndModifiersMapToTheToolkitCodes) {
  EXPECT_EQ(x11::KeyFromKeysym('h'), 'H');
  EXPECT_EQ(x11::KeyFromKeysym('E'), 'E');
  EXPECT_EQ(x11::KeyFromKeysym('7'), '7');
  EXPECT_EQ(x11::KeyFromKeysym(0xFF09), Key_Tab);  // XK_Tab
  EXPECT_EQ(x11::KeyFromKeysym(0xFE20), Key_Tab);  // XK_ISO_Left_Tab (Shift+Tab)
  EXPECT_EQ(x11::KeyFromKeysym(0xFFC1), Key_F4);
  EXPECT_EQ(x11::KeyFromKeysym(0xFFFF), Key_Delete);
  EXPECT_EQ(x11::KeyFromKeysym(0xFF67), Key_Apps);    // XK_Menu
  EXPECT_EQ(x11::KeyFromKeysym(0xFF63), Key_Insert);  // Ctrl+Insert copies
  EXPECT_EQ(x11::KeyFromKeysym(0xFFC7), Key_F10);     // Shift+F10 pops a menu up
  EXPECT_EQ(x11::KeyFromKeysym(0x1234), 0);
  EXPECT_EQ(x11::ShiftFromX(ShiftMask | Mod1Mask), ssShift | ssAlt);
  EXPECT_EQ(x11::ShiftFromX(ControlMask | Button1Mask), ssCtrl | ssLeft);
  EXPECT_EQ(x11::ShiftFromX(Button3Mask), ssRight);
}

}  // namespace
