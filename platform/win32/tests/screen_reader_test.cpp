// Dorvex.exe read from a second process the way a screen reader reads it:
// AccessibleObjectFromWindow on the main window, the tree walked with
// AccessibleChildren, the about window opened by its button's default action,
// and the focus and selection events of keys seen by an out-of-context hook.
// Usage: screen_reader_test PROGRAM.exe [ARGUMENT] (Unix paths; Wine serves
// the program as Z:, the argument is handed over as it is).
#include <gtest/gtest.h>

#include <windows.h>
// oleacc.h needs what windows.h defines.
#include <oleacc.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"

namespace {

std::string programPath;
std::string programArgument;

const char* const kStateTexts[] = {"正常,运行中...", "正常关机", "非正常关机", "无开机记录"};

using TObject = std::shared_ptr<IAccessible>;

TObject Hold(IAccessible* acc) {
  return TObject(acc, [](IAccessible* a) {
    if (a != nullptr) {
      a->Release();
    }
  });
}

VARIANT Id(long child) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = child;
  return v;
}

std::string Utf8(BSTR text) {
  if (text == nullptr) {
    return {};
  }
  std::string out = platform_win32::Utf8FromUtf16(
      std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text)));
  SysFreeString(text);
  return out;
}

using TGetText = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

std::string Text(IAccessible* acc, long child, TGetText get) {
  BSTR text = nullptr;
  return SUCCEEDED((acc->*get)(Id(child), &text)) ? Utf8(text) : std::string();
}

// One node as the reader holds it: an object and a child id in it.
struct TItem {
  TObject Object;
  long Child = CHILDID_SELF;
  long Role = 0;
  long State = 0;
  std::string Name, Value, Shortcut, Action;
  std::vector<TItem> Children;

  const TItem* Find(const std::function<bool(const TItem&)>& match) const {
    if (match(*this)) {
      return this;
    }
    for (const TItem& c : Children) {
      if (const TItem* found = c.Find(match)) {
        return found;
      }
    }
    return nullptr;
  }
  const TItem* Find(long role, const std::string& name) const {
    return Find([&](const TItem& i) { return i.Role == role && i.Name == name; });
  }
  std::vector<const TItem*> All(long role) const {
    std::vector<const TItem*> out;
    Find([&](const TItem& i) {
      if (i.Role == role) {
        out.push_back(&i);
      }
      return false;
    });
    return out;
  }
};

TItem Read(TObject object, long child, int depth = 0) {
  TItem item;
  item.Object = object;
  item.Child = child;
  IAccessible* acc = object.get();
  VARIANT v;
  if (SUCCEEDED(acc->get_accRole(Id(child), &v)) && v.vt == VT_I4) {
    item.Role = v.lVal;
  }
  if (SUCCEEDED(acc->get_accState(Id(child), &v)) && v.vt == VT_I4) {
    item.State = v.lVal;
  }
  item.Name = Text(acc, child, &IAccessible::get_accName);
  item.Value = Text(acc, child, &IAccessible::get_accValue);
  item.Shortcut = Text(acc, child, &IAccessible::get_accKeyboardShortcut);
  item.Action = Text(acc, child, &IAccessible::get_accDefaultAction);
  long count = 0;
  if (child != CHILDID_SELF || depth > 20 || FAILED(acc->get_accChildCount(&count)) || count <= 0) {
    return item;
  }
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  long got = 0;
  if (FAILED(AccessibleChildren(acc, 0, count, children.data(), &got))) {
    return item;
  }
  for (long i = 0; i < got; ++i) {
    VARIANT& c = children[static_cast<std::size_t>(i)];
    if (c.vt == VT_DISPATCH && c.pdispVal != nullptr) {
      IAccessible* childAcc = nullptr;
      c.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&childAcc));
      if (childAcc != nullptr) {
        item.Children.push_back(Read(Hold(childAcc), CHILDID_SELF, depth + 1));
      }
    } else if (c.vt == VT_I4) {
      item.Children.push_back(Read(object, c.lVal, depth + 1));
    }
    VariantClear(&c);
  }
  return item;
}

// ---- the program's process and windows

struct TSeenEvent {
  DWORD Event;
  HWND Hwnd;
  LONG Object;
  LONG Child;
};
std::vector<TSeenEvent> seenEvents;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD,
                         DWORD) {
  seenEvents.push_back({event, hwnd, object, child});
}

// Runs the messages of this thread (the hook's events arrive as messages) for
// up to `ms`, or until `done` holds.
bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) {
      return false;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return true;
}

struct TFindWindow {
  DWORD Pid;
  const wchar_t* Class;
  HWND Found = nullptr;
};

BOOL CALLBACK FindWindowProc(HWND hwnd, LPARAM lParam) {
  auto* find = reinterpret_cast<TFindWindow*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t name[64];
  if (pid == find->Pid && IsWindowVisible(hwnd) && GetClassNameW(hwnd, name, 64) > 0 &&
      wcscmp(name, find->Class) == 0) {
    find->Found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForWindow(DWORD pid, const wchar_t* cls, DWORD ms) {
  TFindWindow find{pid, cls};
  PumpUntil(
      [&] {
        find.Found = nullptr;
        EnumWindows(FindWindowProc, reinterpret_cast<LPARAM>(&find));
        return find.Found != nullptr;
      },
      ms);
  return find.Found;
}

TObject ClientObject(HWND hwnd) {
  IAccessible* acc = nullptr;
  AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                             reinterpret_cast<void**>(&acc));
  return Hold(acc);
}

class ScreenReader : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::u16string path = platform_win32::Utf16FromUtf8("Z:" + programPath);
    for (char16_t& c : path) {
      c = c == u'/' ? u'\\' : c;
    }
    std::wstring command = L"\"" + std::wstring(path.begin(), path.end()) + L"\"";
    if (!programArgument.empty()) {
      const std::u16string argument = platform_win32::Utf16FromUtf8(programArgument);
      command += L" \"" + std::wstring(argument.begin(), argument.end()) + L"\"";
    }
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &process_)) {
      return;
    }
    // Wine's first start in a fresh prefix takes a while.
    main_ = WaitForWindow(process_.dwProcessId, L"DorvexMainWindow", 120000);
    hook_ = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, OnWinEvent, process_.dwProcessId, 0,
                            WINEVENT_OUTOFCONTEXT);
  }
  static void TearDownTestSuite() {
    if (hook_ != nullptr) {
      UnhookWinEvent(hook_);
    }
    if (process_.hProcess != nullptr) {
      if (main_ != nullptr) {
        PostMessageW(main_, WM_CLOSE, 0, 0);
      }
      if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) {
        TerminateProcess(process_.hProcess, 1);
      }
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    CoUninitialize();
  }
  void SetUp() override {
    ASSERT_NE(process_.hProcess, nullptr) << "cannot start " << programPath;
    ASSERT_NE(main_, nullptr) << "no main window";
  }

  TItem MainTree() {
    TObject root = ClientObject(main_);
    EXPECT_TRUE(root);
    return root ? Read(root, CHILDID_SELF) : TItem{};
  }

  // The first event of that kind from `hwnd` since the `from`-th one seen.
  static bool WaitForEvent(DWORD event, HWND hwnd, std::size_t from, TSeenEvent& seen) {
    return PumpUntil(
        [&] {
          for (; from < seenEvents.size(); ++from) {
            if (seenEvents[from].Event == event && seenEvents[from].Hwnd == hwnd) {
              seen = seenEvents[from];
              return true;
            }
          }
          return false;
        },
        10000);
  }

  static TItem ItemOfEvent(const TSeenEvent& e) {
    IAccessible* acc = nullptr;
    VARIANT child;
    VariantInit(&child);
    if (FAILED(AccessibleObjectFromEvent(e.Hwnd, e.Object, e.Child, &acc, &child))) {
      return {};
    }
    return Read(Hold(acc), child.vt == VT_I4 ? child.lVal : CHILDID_SELF, 21);
  }

  // Presses Tab until the focus event names a node that matches.
  static bool TabTo(const std::function<bool(const TItem&)>& match, TItem& focused) {
    for (int i = 0; i < 6; ++i) {
      TSeenEvent focus{};
      const std::size_t from = seenEvents.size();
      PostMessageW(main_, WM_KEYDOWN, VK_TAB, 1);
      PostMessageW(main_, WM_KEYUP, VK_TAB, 1 | (3u << 30));
      if (!WaitForEvent(EVENT_OBJECT_FOCUS, main_, from, focus)) {
        ADD_FAILURE() << "no focus event after Tab " << i;
        return false;
      }
      EXPECT_EQ(focus.Object, OBJID_CLIENT);
      focused = ItemOfEvent(focus);
      EXPECT_TRUE(focused.State & STATE_SYSTEM_FOCUSED) << focused.Name;
      if (match(focused)) {
        return true;
      }
    }
    ADD_FAILURE() << "Tab never reached the node";
    return false;
  }

  static PROCESS_INFORMATION process_;
  static HWND main_;
  static HWINEVENTHOOK hook_;
};

PROCESS_INFORMATION ScreenReader::process_{};
HWND ScreenReader::main_ = nullptr;
HWINEVENTHOOK ScreenReader::hook_ = nullptr;

TEST_F(ScreenReader, TheToolbarButtonsHaveTheirCaptionsAndAltShortcuts) {
  const TItem tree = MainTree();
  EXPECT_EQ(tree.Role, ROLE_SYSTEM_CLIENT);
  EXPECT_EQ(tree.Name, "Dorvex");
  const struct {
    const char* Name;
    const char* Shortcut;
  } buttons[] = {{"刷新(R)", "Alt+R"},
                 {"关于(A)", "Alt+A"},
                 {"升级(U)", "Alt+U"},
                 {"主页(H)", "Alt+H"},
                 {"退出(E)", "Alt+E"}};
  for (const auto& b : buttons) {
    const TItem* button = tree.Find(ROLE_SYSTEM_PUSHBUTTON, b.Name);
    ASSERT_NE(button, nullptr) << b.Name;
    EXPECT_EQ(button->Shortcut, b.Shortcut) << b.Name;
    EXPECT_FALSE(button->Action.empty()) << b.Name;
  }
}

TEST_F(ScreenReader, TheTabsTheListAndTheStatusPanesAreRead) {
  const TItem tree = MainTree();
  const TItem* tabs = tree.Find([](const TItem& i) { return i.Role == ROLE_SYSTEM_PAGETABLIST; });
  ASSERT_NE(tabs, nullptr);
  const std::vector<const TItem*> pages = tabs->All(ROLE_SYSTEM_PAGETAB);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0]->Name, "日志");
  EXPECT_EQ(pages[1]->Name, "图表");
  EXPECT_TRUE(pages[0]->State & STATE_SYSTEM_SELECTED);
  EXPECT_FALSE(pages[1]->State & STATE_SYSTEM_SELECTED);

  // The status panes: the number of records, and as many rows in the list.
  const TItem* status = tree.Find([](const TItem& i) { return i.Role == ROLE_SYSTEM_STATUSBAR; });
  ASSERT_NE(status, nullptr);
  const TItem* records = status->Find([](const TItem& i) {
    return i.Role == ROLE_SYSTEM_STATICTEXT && i.Name.rfind("记录数:", 0) == 0;
  });
  ASSERT_NE(records, nullptr);
  for (const char* prefix : {"天数:", "总计:", "平均:"}) {
    EXPECT_NE(status->Find([&](const TItem& i) { return i.Name.rfind(prefix, 0) == 0; }), nullptr)
        << prefix;
  }
  const TItem* list = tree.Find([](const TItem& i) { return i.Role == ROLE_SYSTEM_LIST; });
  ASSERT_NE(list, nullptr);
  const std::vector<const TItem*> rows = list->All(ROLE_SYSTEM_LISTITEM);
  EXPECT_EQ(std::to_string(rows.size()), records->Name.substr(std::string("记录数:").size()));
  EXPECT_FALSE(list->All(ROLE_SYSTEM_COLUMNHEADER).empty());
  // A row reads as its cells, the state text among them.
  for (const TItem* row : rows) {
    EXPECT_TRUE(std::any_of(std::begin(kStateTexts), std::end(kStateTexts), [&](const char* t) {
      return row->Name.find(t) != std::string::npos;
    })) << row->Name;
  }
  // The fixture's newest boot is still running and one was cut off by a power cut.
  if (!programArgument.empty()) {
    ASSERT_FALSE(rows.empty());
    EXPECT_NE(rows[0]->Name.find("正常,运行中..."), std::string::npos) << rows[0]->Name;
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const TItem* r) {
      return r->Name.find("非正常关机") != std::string::npos;
    }));
  }
}

TEST_F(ScreenReader, TheAboutButtonsActionOpensTheDialogWithoutHoldingTheCaller) {
  const TItem tree = MainTree();
  const TItem* about = tree.Find(ROLE_SYSTEM_PUSHBUTTON, "关于(A)");
  ASSERT_NE(about, nullptr);
  const std::size_t before = seenEvents.size();
  // The call returns while the modal window it opens is still up.
  ASSERT_EQ(about->Object->accDoDefaultAction(Id(about->Child)), S_OK);
  const HWND dialog = WaitForWindow(process_.dwProcessId, L"DorvexDialog", 20000);
  ASSERT_NE(dialog, nullptr);
  TSeenEvent start{};
  EXPECT_TRUE(WaitForEvent(EVENT_SYSTEM_DIALOGSTART, dialog, before, start));

  TObject root = ClientObject(dialog);
  ASSERT_TRUE(root);
  const TItem window = Read(root, CHILDID_SELF);
  EXPECT_EQ(window.Role, ROLE_SYSTEM_DIALOG);
  EXPECT_EQ(window.Name, "关于");
  const std::vector<const TItem*> links = window.All(ROLE_SYSTEM_LINK);
  ASSERT_EQ(links.size(), 2u);
  for (const TItem* link : links) {
    EXPECT_EQ(link->Action, "打开");
    EXPECT_TRUE(link->State & STATE_SYSTEM_LINKED);
  }
  const TItem* memo = window.Find([](const TItem& i) { return i.Role == ROLE_SYSTEM_TEXT; });
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->State & STATE_SYSTEM_READONLY);
  EXPECT_NE(memo->Value.find("显示电脑启动时间"), std::string::npos);
  const TItem* close = window.Find(ROLE_SYSTEM_PUSHBUTTON, "关闭");
  ASSERT_NE(close, nullptr);

  TSeenEvent end{};
  const std::size_t open = seenEvents.size();
  ASSERT_EQ(close->Object->accDoDefaultAction(Id(close->Child)), S_OK);
  EXPECT_TRUE(WaitForEvent(EVENT_SYSTEM_DIALOGEND, dialog, open, end));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(dialog); }, 10000));
}

TEST_F(ScreenReader, KeysThatMoveTheFocusAndTheSelectionAreHeardOutOfProcess) {
  // Tab until the tabs have the focus: every move is a focus event.
  const auto isTabs = [](const TItem& i) {
    return i.Role == ROLE_SYSTEM_PAGETABLIST || i.Role == ROLE_SYSTEM_PAGETAB;
  };
  TItem focused;
  ASSERT_TRUE(TabTo(isTabs, focused));
  // End selects the last tab; Home the first again.
  TSeenEvent selection{};
  std::size_t from = seenEvents.size();
  PostMessageW(main_, WM_KEYDOWN, VK_END, 1);
  ASSERT_TRUE(WaitForEvent(EVENT_OBJECT_SELECTION, main_, from, selection));
  const TItem tab = ItemOfEvent(selection);
  EXPECT_EQ(tab.Role, ROLE_SYSTEM_PAGETAB);
  EXPECT_EQ(tab.Name, "图表");
  EXPECT_TRUE(tab.State & STATE_SYSTEM_SELECTED);
  from = seenEvents.size();
  PostMessageW(main_, WM_KEYDOWN, VK_HOME, 1);
  ASSERT_TRUE(WaitForEvent(EVENT_OBJECT_SELECTION, main_, from, selection));
  EXPECT_EQ(ItemOfEvent(selection).Name, "日志");

  // On to the list; with rows, the arrow keys select them.
  ASSERT_TRUE(TabTo(
      [](const TItem& i) { return i.Role == ROLE_SYSTEM_LIST || i.Role == ROLE_SYSTEM_LISTITEM; },
      focused));
  // The list's menu from the menu key: it comes up with its first item focused.
  TSeenEvent start{}, focus{}, end{};
  from = seenEvents.size();
  PostMessageW(main_, WM_KEYDOWN, VK_APPS, 1);
  ASSERT_TRUE(WaitForEvent(EVENT_SYSTEM_MENUPOPUPSTART, main_, from, start));
  EXPECT_EQ(ItemOfEvent(start).Role, ROLE_SYSTEM_MENUPOPUP);
  ASSERT_TRUE(WaitForEvent(EVENT_OBJECT_FOCUS, main_, from, focus));
  const TItem item = ItemOfEvent(focus);
  EXPECT_EQ(item.Role, ROLE_SYSTEM_MENUITEM);
  EXPECT_EQ(item.Name, "复制");
  from = seenEvents.size();
  PostMessageW(main_, WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_TRUE(WaitForEvent(EVENT_SYSTEM_MENUPOPUPEND, main_, from, end));
  if (programArgument.empty()) {
    return;  // Wine's own System log has no boots
  }
  for (int i = 0; i < 2; ++i) {
    from = seenEvents.size();
    PostMessageW(main_, WM_KEYDOWN, VK_DOWN, 1);
    ASSERT_TRUE(WaitForEvent(EVENT_OBJECT_SELECTION, main_, from, selection)) << "key " << i;
    const TItem row = ItemOfEvent(selection);
    EXPECT_EQ(row.Role, ROLE_SYSTEM_LISTITEM);
    EXPECT_TRUE(row.State & STATE_SYSTEM_SELECTED) << row.Name;
  }
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: screen_reader_test PROGRAM.exe [ARGUMENT]\n");
    return 2;
  }
  programPath = argv[1];
  programArgument = argc == 3 ? argv[2] : "";
  return RUN_ALL_TESTS();
}
