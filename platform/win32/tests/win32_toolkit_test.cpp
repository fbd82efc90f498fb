// The toolkit's main window on the Win32 platform: input arriving as window
// messages reaches the controls (run under Wine in CI).
#include <gtest/gtest.h>

#include <windows.h>
// oleacc.h needs what windows.h defines.
#include <oleacc.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_window.h"
#include "ui/application.h"
#include "ui/form_dorvex_layout.h"

namespace platform_win32 {
namespace {

HWND HwndOf(TForm& form) {
  return static_cast<HWND>(static_cast<TWin32Window*>(form.Window())->Handle());
}

std::string NameOf(IAccessible* acc, long child) {
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = child;
  BSTR name = nullptr;
  if (acc->get_accName(id, &name) != S_OK) {
    return {};
  }
  const std::string out =
      Utf8FromUtf16(std::u16string(reinterpret_cast<const char16_t*>(name), SysStringLen(name)));
  SysFreeString(name);
  return out;
}

// The object and child id of the first node with that name, as a reader walks the tree.
bool FindByName(IAccessible* acc, const std::string& name, IAccessible*& found, long& child) {
  long count = 0;
  acc->get_accChildCount(&count);
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  long got = 0;
  if (count <= 0 || FAILED(AccessibleChildren(acc, 0, count, children.data(), &got))) {
    return false;
  }
  bool done = false;
  for (long i = 0; i < got; ++i) {
    VARIANT& c = children[static_cast<std::size_t>(i)];
    if (!done && c.vt == VT_I4 && NameOf(acc, c.lVal) == name) {
      acc->AddRef();
      found = acc;
      child = c.lVal;
      done = true;
    } else if (!done && c.vt == VT_DISPATCH) {
      IAccessible* sub = nullptr;
      c.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&sub));
      if (sub != nullptr) {
        if (NameOf(sub, CHILDID_SELF) == name) {
          sub->AddRef();
          found = sub;
          child = CHILDID_SELF;
          done = true;
        } else {
          done = FindByName(sub, name, found, child);
        }
        sub->Release();
      }
    }
    VariantClear(&c);
  }
  return done;
}

TEST(Win32Toolkit, AReaderInTheProgramsOwnProcessFindsAndPressesAToolbarButton) {
  auto platform = CreateWin32Platform();
  TApplication app(*platform);
  TFormDorvexLayout form(app.ScreenDpi());
  int refreshes = 0;
  form.TBRefresh->OnClick = [&] { ++refreshes; };
  app.MainForm = &form;
  form.ShowWindow();
  IAccessible* root = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(HwndOf(form), static_cast<DWORD>(OBJID_CLIENT),
                                       IID_IAccessible, reinterpret_cast<void**>(&root)),
            S_OK);
  IAccessible* acc = nullptr;
  long child = 0;
  ASSERT_TRUE(FindByName(root, "刷新(R)", acc, child));
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = child;
  VARIANT role;
  ASSERT_EQ(acc->get_accRole(id, &role), S_OK);
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
  // Where the button is drawn: in the client area, and a hit test there finds it.
  long x = 0, y = 0, w = 0, h = 0;
  ASSERT_EQ(acc->accLocation(&x, &y, &w, &h, id), S_OK);
  RECT client;
  GetClientRect(HwndOf(form), &client);
  MapWindowPoints(HwndOf(form), nullptr, reinterpret_cast<POINT*>(&client), 2);
  EXPECT_GE(x, client.left);
  EXPECT_GE(y, client.top);
  EXPECT_LE(x + w, client.right);
  EXPECT_LE(y + h, client.bottom);
  EXPECT_GT(w, 0);
  VARIANT hit;
  ASSERT_EQ(root->accHitTest(x + w / 2, y + h / 2, &hit), S_OK);
  if (hit.vt == VT_DISPATCH) {
    IAccessible* hitAcc = nullptr;
    hit.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&hitAcc));
    ASSERT_NE(hitAcc, nullptr);
    EXPECT_EQ(NameOf(hitAcc, CHILDID_SELF), "刷新(R)");
    hitAcc->Release();
  } else {
    ASSERT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(NameOf(root, hit.lVal), "刷新(R)");
  }
  VariantClear(&hit);
  // Pressed from the message loop, after the call.
  EXPECT_EQ(acc->accDoDefaultAction(id), S_OK);
  EXPECT_EQ(refreshes, 0);
  platform->ProcessEvents(0);
  EXPECT_EQ(refreshes, 1);
  acc->Release();
  root->Release();
}

TEST(Win32Toolkit, AltLettersClickTheToolbarButtons) {
  auto platform = CreateWin32Platform();
  TApplication app(*platform);
  TFormDorvexLayout form(app.ScreenDpi());
  int about = 0, exits = 0, home = 0;
  form.TBAbout->OnClick = [&] { ++about; };
  form.TBExit->OnClick = [&] { ++exits; };
  form.TBHomePage->OnClick = [&] { ++home; };
  app.MainForm = &form;
  form.ShowWindow();
  HWND h = HwndOf(form);
  const LPARAM alt = 1 | (1 << 29);
  SendMessageW(h, WM_SYSKEYDOWN, 'A', alt);
  EXPECT_EQ(about, 1);
  SendMessageW(h, WM_SYSKEYDOWN, 'H', alt);  // the hidden help button leaves Alt+H to home
  EXPECT_EQ(home, 1);
  SendMessageW(h, WM_SYSKEYDOWN, 'E', alt);
  EXPECT_EQ(exits, 1);
}

TEST(Win32Toolkit, TheWindowOpensAtTheLayoutsClientSizeScaledToTheScreen) {
  auto platform = CreateWin32Platform();
  TApplication app(*platform);
  TFormDorvexLayout form(app.ScreenDpi());
  app.MainForm = &form;
  form.ShowWindow();
  RECT r;
  GetClientRect(HwndOf(form), &r);
  const int dpi = app.ScreenDpi();
  // The display runner sets the screen's resolution; it must have reached the toolkit.
  if (const char* want = std::getenv("DORVEX_TEST_DPI")) {
    EXPECT_EQ(dpi, std::atoi(want));
  }
  EXPECT_EQ(r.right, MulDiv(673, dpi, 96));
  EXPECT_EQ(r.bottom, MulDiv(475, dpi, 96));
}

TEST(Win32Toolkit, TheCloseBoxClosesTheMainFormAndEndsTheLoop) {
  auto platform = CreateWin32Platform();
  TApplication app(*platform);
  TFormDorvexLayout form(app.ScreenDpi());
  app.MainForm = &form;
  form.ShowWindow();
  PostMessageW(HwndOf(form), WM_CLOSE, 0, 0);
  app.Run();
  EXPECT_TRUE(form.Closed());
  EXPECT_FALSE(IsWindowVisible(HwndOf(form)));
}

}  // namespace
}  // namespace platform_win32
