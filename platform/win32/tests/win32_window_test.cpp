// The Win32 windows against the system itself (run under Wine in CI).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_window.h"

namespace platform_win32 {
namespace {

struct TRecorder : TWindowEvents {
  std::vector<std::string> Log;
  HWND CaptureAtUp = reinterpret_cast<HWND>(1);
  void WindowResized(int w, int h) override {
    Log.push_back("size " + std::to_string(w) + "x" + std::to_string(h));
  }
  void WindowMouseDown(TMouseButton b, TShiftState s, TPoint p) override {
    Log.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " +
                  std::to_string(p.X) + "," + std::to_string(p.Y));
  }
  void WindowMouseMove(TShiftState s, TPoint p) override {
    Log.push_back("move " + std::to_string(s) + " " + std::to_string(p.X) + "," +
                  std::to_string(p.Y));
  }
  void WindowMouseUp(TMouseButton b, TShiftState, TPoint) override {
    CaptureAtUp = GetCapture();
    Log.push_back("up " + std::to_string(b));
  }
  void WindowMouseWheel(TShiftState, int delta, TPoint) override {
    Log.push_back("wheel " + std::to_string(delta));
  }
  void WindowMouseLeave() override { Log.push_back("leave"); }
  void WindowKeyDown(TKey k, TShiftState s) override {
    Log.push_back("keydown " + std::to_string(k) + " " + std::to_string(s));
  }
  void WindowKeyUp(TKey k, TShiftState s) override {
    Log.push_back("keyup " + std::to_string(k) + " " + std::to_string(s));
  }
  void WindowChar(char32_t c) override { Log.push_back("char " + std::to_string(c)); }
  void WindowCloseRequest() override { Log.push_back("close"); }
  void WindowDeactivated() override { Log.push_back("deactivated"); }
};

class Win32Window : public ::testing::Test {
 protected:
  void SetUp() override { platform_ = CreateWin32Platform(); }
  std::unique_ptr<TPlatformWindow> Make(TWindowKind kind, int w, int h,
                                        TPlatformWindow* owner = nullptr) {
    TWindowParams p;
    p.Kind = kind;
    p.Title = "Dorvex";
    p.ClientWidth = w;
    p.ClientHeight = h;
    p.Owner = owner;
    return platform_->CreatePlatformWindow(p, &events_);
  }
  static HWND Hwnd(const std::unique_ptr<TPlatformWindow>& w) {
    return static_cast<HWND>(static_cast<TWin32Window*>(w.get())->Handle());
  }
  void Pump() { platform_->ProcessEvents(0); }

  std::unique_ptr<TPlatform> platform_;
  TRecorder events_;
};

TEST_F(Win32Window, MainWindowOuterSizeFollowsFromTheClientAreaAndIsCentred) {
  auto w = Make(wkMain, 673, 475);
  HWND h = Hwnd(w);
  RECT client, outer;
  GetClientRect(h, &client);
  GetWindowRect(h, &outer);
  EXPECT_EQ(client.right, 673);
  EXPECT_EQ(client.bottom, 475);
  RECT expect{0, 0, 673, 475};
  AdjustWindowRectEx(&expect, GetWindowLongW(h, GWL_STYLE), FALSE, GetWindowLongW(h, GWL_EXSTYLE));
  EXPECT_EQ(outer.right - outer.left, expect.right - expect.left);
  EXPECT_EQ(outer.bottom - outer.top, expect.bottom - expect.top);
  const TRect desk = platform_->DesktopRect();
  EXPECT_LE(std::abs((outer.left - desk.Left) - (desk.Right - outer.right)), 1);
  EXPECT_LE(std::abs((outer.top - desk.Top) - (desk.Bottom - outer.bottom)), 1);
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_EQ(w->ClientSize(), (TSize{673, 475}));
}

TEST_F(Win32Window, SetClientSizeKeepsTheFrameAndTellsNobody) {
  auto w = Make(wkMain, 673, 475);
  events_.Log.clear();
  w->SetClientSize(500, 300);
  EXPECT_EQ(w->ClientSize(), (TSize{500, 300}));
  EXPECT_TRUE(events_.Log.empty());
  // A size from outside (the user, the window manager) is reported.
  SetWindowPos(Hwnd(w), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
  const TSize now = w->ClientSize();
  ASSERT_EQ(events_.Log.size(), 1u);
  EXPECT_EQ(events_.Log[0], "size " + std::to_string(now.Width) + "x" + std::to_string(now.Height));
}

TEST_F(Win32Window, TheDialogHasAFixedBorderIsOwnedByTheMainWindowAndCentredOverIt) {
  auto main = Make(wkMain, 673, 475);
  // No owner given: the main window is taken.
  auto dialog = Make(wkDialog, 422, 347);
  HWND d = Hwnd(dialog);
  EXPECT_EQ(GetWindow(d, GW_OWNER), Hwnd(main));
  const LONG style = GetWindowLongW(d, GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_EQ(dialog->ClientSize(), (TSize{422, 347}));
  RECT m, r;
  GetWindowRect(Hwnd(main), &m);
  GetWindowRect(d, &r);
  EXPECT_LE(std::abs((r.left - m.left) - (m.right - r.right)), 1);
  EXPECT_LE(std::abs((r.top - m.top) - (m.bottom - r.bottom)), 1);
}

TEST_F(Win32Window, ADisabledOwnerIsEnabledBeforeItsDialogIsHidden) {
  auto main = Make(wkMain, 673, 475);
  auto dialog = Make(wkDialog, 422, 347, main.get());
  main->Show();
  main->SetInputEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(Hwnd(main)));
  dialog->Show();
  EXPECT_TRUE(dialog->Visible());
  dialog->Hide();
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(IsWindowEnabled(Hwnd(main)));
}

TEST_F(Win32Window, ThePopupTakesNoFocusAndShowsOnceItHasBeenPlaced) {
  auto main = Make(wkMain, 673, 475);
  auto hint = Make(wkPopup, 80, 18);
  HWND h = Hwnd(hint);
  const LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  hint->Show();
  EXPECT_TRUE(hint->Visible());
  EXPECT_FALSE(IsWindowVisible(h));  // not yet mapped
  hint->MoveTo(100, 120);
  Pump();
  EXPECT_TRUE(IsWindowVisible(h));
  RECT r;
  GetWindowRect(h, &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 120);
  EXPECT_EQ(r.right - r.left, 80);  // no frame: outer is client
  EXPECT_EQ(SendMessageW(h, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
  // Hidden before the show was carried out: it stays hidden.
  hint->Hide();
  hint->Show();
  hint->Hide();
  Pump();
  EXPECT_FALSE(IsWindowVisible(h));
}

TEST_F(Win32Window, AltLettersReachTheToolkitWithoutTheSystemMenu) {
  auto w = Make(wkMain, 200, 100);
  HWND h = Hwnd(w);
  const LPARAM altDown = 1 | (1 << 29);
  EXPECT_EQ(SendMessageW(h, WM_SYSKEYDOWN, 'E', altDown), 0);
  EXPECT_EQ(SendMessageW(h, WM_SYSCHAR, 'e', altDown), 0);
  EXPECT_EQ(SendMessageW(h, WM_SYSKEYDOWN, VK_F4, altDown), 0);
  ASSERT_EQ(events_.Log.size(), 2u);
  EXPECT_EQ(events_.Log[0], "keydown 69 " + std::to_string(ssAlt));
  EXPECT_EQ(events_.Log[1], "keydown 115 " + std::to_string(ssAlt));
  // The system menu's own keyboard entry is refused for letters.
  EXPECT_EQ(SendMessageW(h, WM_SYSCOMMAND, SC_KEYMENU, 'e'), 0);
}

TEST_F(Win32Window, KeysAndCharactersArePassedOnWithSurrogatesJoined) {
  auto w = Make(wkMain, 200, 100);
  HWND h = Hwnd(w);
  SendMessageW(h, WM_KEYDOWN, VK_RETURN, 1);
  SendMessageW(h, WM_CHAR, '\r', 1);
  SendMessageW(h, WM_KEYUP, VK_SPACE, 1u | (3u << 30));
  SendMessageW(h, WM_CHAR, 0xD83D, 1);
  SendMessageW(h, WM_CHAR, 0xDE00, 1);
  SendMessageW(h, WM_CHAR, 0x8BB0, 1);  // 记
  ASSERT_EQ(events_.Log.size(), 5u);
  EXPECT_EQ(events_.Log[0], "keydown 13 0");
  EXPECT_EQ(events_.Log[1], "char 13");
  EXPECT_EQ(events_.Log[2], "keyup 32 0");
  EXPECT_EQ(events_.Log[3], "char " + std::to_string(0x1F600));
  EXPECT_EQ(events_.Log[4], "char " + std::to_string(0x8BB0));
}

TEST_F(Win32Window, TheCloseBoxAsksTheToolkitAndLeavesTheWindowAlive) {
  auto w = Make(wkMain, 200, 100);
  SendMessageW(Hwnd(w), WM_CLOSE, 0, 0);
  ASSERT_EQ(events_.Log.size(), 1u);
  EXPECT_EQ(events_.Log[0], "close");
  EXPECT_TRUE(IsWindow(Hwnd(w)));
}

TEST_F(Win32Window, AButtonHeldCapturesTheMouseAndReleasesItBeforeTheToolkitHears) {
  auto w = Make(wkMain, 200, 100);
  HWND h = Hwnd(w);
  w->Show();
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
  EXPECT_EQ(GetCapture(), h);
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 30));
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 30));  // repeated: dropped
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(-5, 30));
  EXPECT_EQ(events_.CaptureAtUp, nullptr);
  ASSERT_EQ(events_.Log.size(), 3u);
  EXPECT_EQ(events_.Log[0], "down 0 " + std::to_string(ssLeft) + " 10,20");
  EXPECT_EQ(events_.Log[1], "move " + std::to_string(ssLeft) + " -5,30");
  EXPECT_EQ(events_.Log[2], "up 0");
}

TEST_F(Win32Window, WheelAndLeaveArePassedOn) {
  auto w = Make(wkMain, 200, 100);
  HWND h = Hwnd(w);
  POINT p{5, 5};
  ClientToScreen(h, &p);
  SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), MAKELPARAM(p.x, p.y));
  SendMessageW(h, WM_MOUSELEAVE, 0, 0);
  ASSERT_EQ(events_.Log.size(), 2u);
  EXPECT_EQ(events_.Log[0], "wheel -120");
  EXPECT_EQ(events_.Log[1], "leave");
}

TEST_F(Win32Window, PresentShowsTheImageInTheWindow) {
  auto w = Make(wkPopup, 40, 30);
  w->MoveTo(10, 10);
  w->Show();
  Pump();
  gfx::TBitmap image(40, 30, gfx::PixelOf(gfx::clWhite));
  for (int x = 0; x < 40; ++x) {
    image.Set(x, 5, gfx::PixelOf(gfx::MakeColor(0x12, 0x34, 0x56)));
  }
  w->Present(image, image.BoundsRect());
  HDC dc = GetDC(Hwnd(w));
  // Read back through a copy, as the screen may be a remote surface.
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bmp = CreateCompatibleBitmap(dc, 40, 30);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, 40, 30, dc, 0, 0, SRCCOPY);
  EXPECT_EQ(GetPixel(mem, 7, 5), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(GetPixel(mem, 7, 6), RGB(0xFF, 0xFF, 0xFF));
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(Hwnd(w), dc);
}

TEST_F(Win32Window, PointerShapesAreTheSystemOnes) {
  auto w = Make(wkMain, 200, 100);
  HWND h = Hwnd(w);
  w->SetCursor(crHandPoint);
  SendMessageW(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  w->SetCursor(crSizeNWSE);
  SendMessageW(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_SIZENWSE));
}

}  // namespace
}  // namespace platform_win32
