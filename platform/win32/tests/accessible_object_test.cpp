// The IAccessible objects of a window over a hand-made tree, asked the way a
// screen reader asks them, in the window's own process (run under Wine in CI).
#include <gtest/gtest.h>

#include <windows.h>
// oleacc.h needs what windows.h defines.
#include <oleacc.h>

#include <string>
#include <vector>

#include "platform/win32/accessible_object.h"
#include "platform/win32/tests/test_accessible.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_window.h"

namespace platform_win32 {
namespace {

// Holds one reference and gives it back.
template <typename T>
class TRef {
 public:
  TRef() = default;
  explicit TRef(T* p) : p_(p) {}
  ~TRef() { Reset(); }
  TRef(const TRef&) = delete;
  TRef& operator=(const TRef&) = delete;
  void Reset() {
    if (p_ != nullptr) {
      p_->Release();
      p_ = nullptr;
    }
  }
  T** Out() {
    Reset();
    return &p_;
  }
  T* operator->() const { return p_; }
  T* Get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

VARIANT Id(long childId) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = childId;
  return v;
}

const VARIANT kSelf = Id(CHILDID_SELF);

long NodeChild(const TAccessible& node) {
  return -static_cast<long>(node.Id());
}

std::string Utf8(BSTR text) {
  if (text == nullptr) {
    return "(null)";
  }
  const std::string out =
      Utf8FromUtf16(std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text)));
  SysFreeString(text);
  return out;
}

std::string Name(IAccessible* acc, long child = CHILDID_SELF) {
  BSTR text = nullptr;
  const HRESULT hr = acc->get_accName(Id(child), &text);
  return FAILED(hr) ? "error" : Utf8(text);
}

long Role(IAccessible* acc, long child = CHILDID_SELF) {
  VARIANT v;
  return SUCCEEDED(acc->get_accRole(Id(child), &v)) && v.vt == VT_I4 ? v.lVal : -1;
}

long State(IAccessible* acc, long child = CHILDID_SELF) {
  VARIANT v;
  return SUCCEEDED(acc->get_accState(Id(child), &v)) && v.vt == VT_I4 ? v.lVal : -1;
}

// A VARIANT answer as text: "empty", "child N" or "object NAME".
std::string Answer(HRESULT hr, VARIANT& v) {
  if (FAILED(hr)) {
    return "error";
  }
  std::string out = "other";
  if (v.vt == VT_EMPTY) {
    out = hr == S_FALSE ? "empty" : "empty but S_OK";
  } else if (v.vt == VT_I4) {
    out = "child " + std::to_string(v.lVal);
  } else if (v.vt == VT_DISPATCH) {
    TRef<IAccessible> acc;
    v.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(acc.Out()));
    out = acc ? "object " + Name(acc.Get()) : "object without IAccessible";
  }
  VariantClear(&v);
  return out;
}

// The child object for a child id, or null.
IAccessible* ChildObject(IAccessible* acc, long child) {
  TRef<IDispatch> dispatch;
  if (acc->get_accChild(Id(child), dispatch.Out()) != S_OK || !dispatch) {
    return nullptr;
  }
  IAccessible* out = nullptr;
  dispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&out));
  return out;
}

struct TTreeEvents : TWindowEvents {
  TAccessible* Root = nullptr;
  void WindowResized(int, int) override {}
  void WindowMouseDown(TMouseButton, TShiftState, TPoint) override {}
  void WindowMouseMove(TShiftState, TPoint) override {}
  void WindowMouseUp(TMouseButton, TShiftState, TPoint) override {}
  void WindowMouseWheel(TShiftState, int, TPoint) override {}
  void WindowMouseLeave() override {}
  void WindowKeyDown(TKey, TShiftState) override {}
  void WindowKeyUp(TKey, TShiftState) override {}
  void WindowChar(char32_t) override {}
  void WindowCloseRequest() override {}
  void WindowDeactivated() override {}
  TAccessible* WindowAccessible() override { return Root; }
};

// A window whose tree is: a toolbar of two buttons, a list of three rows and a
// read-only text.
class AccessibleObject : public ::testing::Test {
 protected:
  AccessibleObject()
      : root_(TAccRole::Window, "Dorvex", Bounds(200, 100, 400, 300)),
        toolbar_(root_.Add(TAccRole::ToolBar, "工具栏", Bounds(200, 100, 400, 60))),
        list_(root_.Add(TAccRole::List, "列表", Bounds(200, 160, 400, 200), asFocusable)),
        memo_(root_.Add(TAccRole::Text, "", Bounds(200, 370, 400, 30), asReadOnly)) {
    TTestNode& refresh =
        toolbar_.Add(TAccRole::PushButton, "刷新(R)", Bounds(204, 104, 75, 52), asFocusable);
    refresh.ShortcutText = "Alt+R";
    refresh.ActionName = "按下";
    toolbar_.Add(TAccRole::PushButton, "关于(A)", Bounds(284, 104, 75, 52), asUnavailable);
    for (int i = 0; i < 3; ++i) {
      list_.Add(TAccRole::ListItem, "行" + std::to_string(i + 1),
                Bounds(202, 180 + 17 * i, 390, 17), asSelectable | asFocusable);
    }
    memo_.ValueText = "第一行\r\n第二行";
  }

  void SetUp() override {
    platform_ = CreateWin32Platform();
    events_.Root = &root_;
    TWindowParams p;
    p.Title = "Dorvex";
    p.ClientWidth = 400;
    p.ClientHeight = 300;
    window_ = platform_->CreatePlatformWindow(p, &events_);
    hwnd_ = static_cast<HWND>(static_cast<TWin32Window*>(window_.get())->Handle());
    ASSERT_EQ(AccessibleObjectFromWindow(hwnd_, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                         reinterpret_cast<void**>(acc_.Out())),
              S_OK);
  }

  void Pump() {
    for (int i = 0; i < 20; ++i) {
      platform_->ProcessEvents(0);
    }
  }

  TTestNode root_;
  TTestNode& toolbar_;
  TTestNode& list_;
  TTestNode& memo_;
  TTreeEvents events_;
  std::unique_ptr<TPlatform> platform_;
  std::unique_ptr<TPlatformWindow> window_;
  HWND hwnd_ = nullptr;
  TRef<IAccessible> acc_;
};

TEST_F(AccessibleObject, TheClientAreaIsTheTreesRootAndTheFrameStaysTheSystems) {
  EXPECT_EQ(Name(acc_.Get()), "Dorvex");
  EXPECT_EQ(Role(acc_.Get()), ROLE_SYSTEM_CLIENT);
  long count = 0;
  EXPECT_EQ(acc_->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 3);

  // Above the root is the window's frame, the system's object, not one of ours.
  const long ours = LiveAccessibleObjects();
  TRef<IDispatch> parent;
  ASSERT_EQ(acc_->get_accParent(parent.Out()), S_OK);
  TRef<IAccessible> frame;
  ASSERT_EQ(parent->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(frame.Out())), S_OK);
  EXPECT_EQ(LiveAccessibleObjects(), ours);
  // The frame answers for itself (Wine's stands in with E_NOTIMPL).
  VARIANT role;
  if (SUCCEEDED(frame->get_accRole(kSelf, &role))) {
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_WINDOW);
  }
}

TEST_F(AccessibleObject, AWindowWithoutATreeKeepsTheSystemsClientObject) {
  events_.Root = nullptr;
  TRef<IAccessible> plain;
  ASSERT_EQ(AccessibleObjectFromWindow(hwnd_, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                       reinterpret_cast<void**>(plain.Out())),
            S_OK);
  long count = -1;
  plain->get_accChildCount(&count);
  EXPECT_EQ(count, 0);  // no child windows, and none of the tree's nodes
  // Other object ids never reach the tree.
  EXPECT_EQ(SendMessageW(hwnd_, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CARET)),
            DefWindowProcW(hwnd_, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CARET)));
}

TEST_F(AccessibleObject, SimpleChildrenAnswerThroughTheirParentsAndTheOthersAreObjects) {
  // The toolbar has children: an object of its own.
  TRef<IAccessible> toolbar(ChildObject(acc_.Get(), 1));
  ASSERT_TRUE(toolbar);
  EXPECT_EQ(Role(toolbar.Get()), ROLE_SYSTEM_TOOLBAR);
  // Its buttons have none: the toolbar answers for them by position.
  TRef<IDispatch> none;
  EXPECT_EQ(toolbar->get_accChild(Id(1), none.Out()), S_FALSE);
  EXPECT_FALSE(none);
  EXPECT_EQ(Name(toolbar.Get(), 1), "刷新(R)");
  EXPECT_EQ(Name(toolbar.Get(), 2), "关于(A)");
  EXPECT_EQ(Role(toolbar.Get(), 1), ROLE_SYSTEM_PUSHBUTTON);
  EXPECT_EQ(State(toolbar.Get(), 1), STATE_SYSTEM_FOCUSABLE);
  EXPECT_EQ(State(toolbar.Get(), 2), STATE_SYSTEM_UNAVAILABLE);
  BSTR text = nullptr;
  EXPECT_EQ(toolbar->get_accKeyboardShortcut(Id(1), &text), S_OK);
  EXPECT_EQ(Utf8(text), "Alt+R");
  EXPECT_EQ(toolbar->get_accDefaultAction(Id(1), &text), S_OK);
  EXPECT_EQ(Utf8(text), "按下");
  // No text is S_FALSE and no string.
  text = reinterpret_cast<BSTR>(1);
  EXPECT_EQ(toolbar->get_accDescription(Id(1), &text), S_FALSE);
  EXPECT_EQ(text, nullptr);
  EXPECT_EQ(toolbar->get_accKeyboardShortcut(Id(2), &text), S_FALSE);
  // Positions past the last child, and child ids that are not numbers.
  EXPECT_EQ(toolbar->get_accName(Id(3), &text), E_INVALIDARG);
  EXPECT_EQ(toolbar->get_accChild(Id(CHILDID_SELF), none.Out()), E_INVALIDARG);
  VARIANT word;
  VariantInit(&word);
  word.vt = VT_BSTR;
  word.bstrVal = nullptr;
  EXPECT_EQ(toolbar->get_accName(word, &text), E_INVALIDARG);

  // A value is the whole text; states map bit by bit, multi-line has no bit of its own.
  ASSERT_EQ(acc_->get_accValue(Id(3), &text), S_OK);
  EXPECT_EQ(SysStringLen(text), 8u);  // 第一行 CR LF 第二行
  EXPECT_EQ(Utf8(text), "第一行\r\n第二行");
  EXPECT_EQ(Role(acc_.Get(), 3), ROLE_SYSTEM_TEXT);
  EXPECT_EQ(State(acc_.Get(), 3), STATE_SYSTEM_READONLY);
  memo_.SetStates(asReadOnly | asMultiLine | asOffscreen | asInvisible);
  EXPECT_EQ(State(acc_.Get(), 3),
            STATE_SYSTEM_READONLY | STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_INVISIBLE);
  TRef<IAccessible> list(ChildObject(acc_.Get(), 2));
  EXPECT_EQ(Role(list.Get()), ROLE_SYSTEM_LIST);
  EXPECT_EQ(Role(list.Get(), 1), ROLE_SYSTEM_LISTITEM);
  EXPECT_EQ(State(list.Get(), 1), STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE);
}

TEST_F(AccessibleObject, NegatedNodeIdsReachAnyNodeFromTheRoot) {
  TTestNode& row = list_.At(1);
  EXPECT_EQ(Name(acc_.Get(), NodeChild(row)), "行2");
  TRef<IAccessible> object(ChildObject(acc_.Get(), NodeChild(row)));
  ASSERT_TRUE(object);
  EXPECT_EQ(Name(object.Get()), "行2");
  EXPECT_EQ(Role(object.Get()), ROLE_SYSTEM_LISTITEM);
  // Not from an object whose subtree does not hold the node.
  TRef<IAccessible> toolbar(ChildObject(acc_.Get(), 1));
  BSTR text = nullptr;
  EXPECT_EQ(toolbar->get_accName(Id(NodeChild(row)), &text), E_INVALIDARG);
  TTestNode stranger(TAccRole::PushButton, "elsewhere", Bounds(0, 0, 1, 1));
  EXPECT_EQ(acc_->get_accName(Id(NodeChild(stranger)), &text), E_INVALIDARG);
}

TEST_F(AccessibleObject, AnObjectWhoseNodeIsGoneAnswersNotConnected) {
  const long rowChild = NodeChild(list_.At(0));
  TRef<IAccessible> row(ChildObject(acc_.Get(), rowChild));
  TRef<IAccessible> list(ChildObject(acc_.Get(), 2));
  ASSERT_TRUE(row);
  ASSERT_TRUE(list);
  list_.RemoveChildren();
  BSTR text = nullptr;
  EXPECT_EQ(row->get_accName(kSelf, &text), CO_E_OBJNOTCONNECTED);
  long count = 0;
  EXPECT_EQ(row->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
  long x, y, w, h;
  EXPECT_EQ(row->accLocation(&x, &y, &w, &h, kSelf), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(row->accDoDefaultAction(kSelf), CO_E_OBJNOTCONNECTED);
  VARIANT v;
  EXPECT_EQ(row->get_accFocus(&v), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(row->accNavigate(NAVDIR_NEXT, kSelf, &v), CO_E_OBJNOTCONNECTED);
  TRef<IDispatch> parent;
  EXPECT_EQ(row->get_accParent(parent.Out()), CO_E_OBJNOTCONNECTED);
  // The list is still there, without rows; the old row's id names nothing.
  EXPECT_EQ(list->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(acc_->get_accName(Id(rowChild), &text), E_INVALIDARG);
}

TEST_F(AccessibleObject, LocationsAreTheNodesScreenBoundsAndHitTestsFindTheDeepestNode) {
  long x = 0, y = 0, w = 0, h = 0;
  ASSERT_EQ(acc_->accLocation(&x, &y, &w, &h, Id(NodeChild(list_.At(2)))), S_OK);
  EXPECT_EQ(x, 202);
  EXPECT_EQ(y, 214);
  EXPECT_EQ(w, 390);
  EXPECT_EQ(h, 17);
  TRef<IAccessible> list(ChildObject(acc_.Get(), 2));
  ASSERT_EQ(list->accLocation(&x, &y, &w, &h, Id(1)), S_OK);
  EXPECT_EQ(y, 180);

  VARIANT v;
  EXPECT_EQ(Answer(acc_->accHitTest(210, 200, &v), v), "object 行2");
  EXPECT_EQ(Answer(list->accHitTest(210, 200, &v), v), "child 2");
  // The list's own blank part, the root's, and outside the window.
  EXPECT_EQ(Answer(list->accHitTest(210, 350, &v), v), "child 0");
  EXPECT_EQ(Answer(acc_->accHitTest(205, 365, &v), v), "child 0");
  EXPECT_EQ(Answer(acc_->accHitTest(10, 10, &v), v), "empty");
}

TEST_F(AccessibleObject, NavigationAnswersRelativeToTheObjectAsked) {
  TRef<IAccessible> list(ChildObject(acc_.Get(), 2));
  VARIANT v;
  EXPECT_EQ(Answer(list->accNavigate(NAVDIR_FIRSTCHILD, kSelf, &v), v), "child 1");
  EXPECT_EQ(Answer(list->accNavigate(NAVDIR_LASTCHILD, kSelf, &v), v), "child 3");
  EXPECT_EQ(Answer(list->accNavigate(NAVDIR_NEXT, Id(1), &v), v), "child 2");
  EXPECT_EQ(Answer(list->accNavigate(NAVDIR_DOWN, Id(2), &v), v), "child 3");
  EXPECT_EQ(Answer(list->accNavigate(NAVDIR_NEXT, Id(3), &v), v), "empty");
  // From the object itself its siblings are objects.
  EXPECT_EQ(Answer(list->accNavigate(NAVDIR_PREVIOUS, kSelf, &v), v), "object 工具栏");
  EXPECT_EQ(Answer(acc_->accNavigate(NAVDIR_FIRSTCHILD, kSelf, &v), v), "object 工具栏");
  EXPECT_EQ(Answer(acc_->accNavigate(NAVDIR_LASTCHILD, kSelf, &v), v), "child 3");
  // First and last child only of the object itself; unknown directions.
  EXPECT_EQ(list->accNavigate(NAVDIR_FIRSTCHILD, Id(1), &v), E_INVALIDARG);
  EXPECT_EQ(list->accNavigate(99, kSelf, &v), E_INVALIDARG);
  EXPECT_EQ(list->accNavigate(0, kSelf, &v), E_INVALIDARG);
}

TEST_F(AccessibleObject, TheFocusIsTheDeepestFocusedNode) {
  VARIANT v;
  EXPECT_EQ(Answer(acc_->get_accFocus(&v), v), "empty");
  list_.SetStates(asFocusable | asFocused);
  EXPECT_EQ(Answer(acc_->get_accFocus(&v), v), "object 列表");
  TRef<IAccessible> list(ChildObject(acc_.Get(), 2));
  EXPECT_EQ(Answer(list->get_accFocus(&v), v), "child 0");
  list_.At(2).SetStates(asFocused);
  EXPECT_EQ(Answer(list->get_accFocus(&v), v), "child 3");
  EXPECT_EQ(Answer(acc_->get_accFocus(&v), v), "object 行3");
}

TEST_F(AccessibleObject, TheSelectionIsOneChildOrAListOfThem) {
  TRef<IAccessible> list(ChildObject(acc_.Get(), 2));
  VARIANT v;
  EXPECT_EQ(Answer(list->get_accSelection(&v), v), "empty");
  list_.At(1).SetStates(asSelected);
  EXPECT_EQ(Answer(list->get_accSelection(&v), v), "child 2");

  list_.At(2).SetStates(asSelected);
  ASSERT_EQ(list->get_accSelection(&v), S_OK);
  ASSERT_EQ(v.vt, VT_UNKNOWN);
  TRef<IEnumVARIANT> items;
  ASSERT_EQ(v.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(items.Out())),
            S_OK);
  VariantClear(&v);
  VARIANT got[3];
  ULONG fetched = 0;
  EXPECT_EQ(items->Next(3, got, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 2u);
  EXPECT_EQ(Answer(S_OK, got[0]), "child 2");
  EXPECT_EQ(Answer(S_OK, got[1]), "child 3");
  EXPECT_EQ(items->Next(1, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);
  EXPECT_EQ(items->Reset(), S_OK);
  EXPECT_EQ(items->Skip(1), S_OK);
  TRef<IEnumVARIANT> copy;
  ASSERT_EQ(items->Clone(copy.Out()), S_OK);
  EXPECT_EQ(copy->Next(1, got, &fetched), S_OK);
  EXPECT_EQ(Answer(S_OK, got[0]), "child 3");
  EXPECT_EQ(items->Skip(5), S_FALSE);
}

TEST_F(AccessibleObject, SelectTakesTheFocusOrTheSelectionOfOneNode) {
  TRef<IAccessible> list(ChildObject(acc_.Get(), 2));
  EXPECT_EQ(list->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, Id(2)), S_OK);
  EXPECT_EQ(list_.At(1).FocusRequests, 1);
  EXPECT_EQ(list_.At(1).SelectRequests, 1);
  EXPECT_EQ(State(list.Get(), 2) & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED),
            STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED);
  // A node that cannot take it, more than one item, and contradicting flags.
  EXPECT_EQ(acc_->accSelect(SELFLAG_TAKEFOCUS, Id(3)), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(list->accSelect(SELFLAG_ADDSELECTION, Id(1)), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(list->accSelect(SELFLAG_TAKESELECTION | SELFLAG_ADDSELECTION, Id(1)), E_INVALIDARG);
  EXPECT_EQ(list->accSelect(0x100, Id(1)), E_INVALIDARG);
  EXPECT_EQ(list_.At(0).SelectRequests, 0);
}

TEST_F(AccessibleObject, TheDefaultActionRunsFromTheMessageLoopAfterTheCallReturns) {
  TRef<IAccessible> toolbar(ChildObject(acc_.Get(), 1));
  TTestNode& refresh = toolbar_.At(0);
  EXPECT_EQ(toolbar->accDoDefaultAction(Id(1)), S_OK);
  EXPECT_EQ(refresh.ActionsRun, 0);
  Pump();
  EXPECT_EQ(refresh.ActionsRun, 1);
  // No action to run.
  EXPECT_EQ(toolbar->accDoDefaultAction(Id(2)), DISP_E_MEMBERNOTFOUND);
  // The node went away before the loop came round: nothing runs, nothing breaks.
  TTestNode& row = list_.At(0);
  row.ActionName = "选择";
  EXPECT_EQ(acc_->accDoDefaultAction(Id(NodeChild(row))), S_OK);
  list_.RemoveChildren();
  Pump();
  // A posted Id from outside this window's tree is not run.
  TTestNode stranger(TAccRole::PushButton, "elsewhere", Bounds(0, 0, 1, 1));
  stranger.ActionName = "按下";
  PostMessageW(hwnd_, kAccessibleActionMessage, stranger.Id(), 0);
  Pump();
  EXPECT_EQ(stranger.ActionsRun, 0);
}

TEST_F(AccessibleObject, ReferencesAreCountedAndEveryObjectIsFreed) {
  const long before = LiveAccessibleObjects();
  IAccessible* object = NewAccessibleObject(list_.Id(), hwnd_);
  EXPECT_EQ(LiveAccessibleObjects(), before + 1);
  EXPECT_EQ(object->AddRef(), 2u);
  IDispatch* dispatch = nullptr;
  ASSERT_EQ(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
  EXPECT_EQ(dispatch->Release(), 2u);
  IUnknown* unknown = nullptr;
  EXPECT_EQ(object->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&unknown)),
            E_NOINTERFACE);
  EXPECT_EQ(unknown, nullptr);
  {
    // Answers that are objects are new references of the caller's.
    TRef<IAccessible> row(ChildObject(acc_.Get(), NodeChild(list_.At(0))));
    VARIANT v;
    ASSERT_EQ(acc_->accNavigate(NAVDIR_FIRSTCHILD, kSelf, &v), S_OK);
    EXPECT_EQ(LiveAccessibleObjects(), before + 3);
    VariantClear(&v);
    // A list of selected objects holds them until it goes.
    toolbar_.SetStates(asSelected);
    list_.SetStates(asSelected);
    ASSERT_EQ(acc_->get_accSelection(&v), S_OK);
    EXPECT_EQ(LiveAccessibleObjects(), before + 4);
    VariantClear(&v);
  }
  EXPECT_EQ(LiveAccessibleObjects(), before + 1);
  EXPECT_EQ(object->Release(), 1u);
  EXPECT_EQ(object->Release(), 0u);
  EXPECT_EQ(LiveAccessibleObjects(), before);
}

TEST_F(AccessibleObject, TheWindowsObjectIsFreedWhenTheReaderLetsItGo) {
  acc_.Reset();
  Pump();
  const long before = LiveAccessibleObjects();
  {
    TRef<IAccessible> again;
    ASSERT_EQ(AccessibleObjectFromWindow(hwnd_, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                         reinterpret_cast<void**>(again.Out())),
              S_OK);
    EXPECT_EQ(LiveAccessibleObjects(), before + 1);
  }
  Pump();
  EXPECT_EQ(LiveAccessibleObjects(), before);
}

// ---- events

struct TSeenEvent {
  DWORD Event;
  HWND Hwnd;
  LONG Object;
  LONG Child;
};
std::vector<TSeenEvent>* seenEvents = nullptr;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD,
                         DWORD) {
  if (seenEvents != nullptr) {
    seenEvents->push_back({event, hwnd, object, child});
  }
}

class AccessibleEvents : public AccessibleObject {
 protected:
  void SetUp() override {
    AccessibleObject::SetUp();
    seenEvents = &seen_;
    hook_ = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, OnWinEvent, GetCurrentProcessId(), 0,
                            WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook_, nullptr);
  }
  void TearDown() override {
    UnhookWinEvent(hook_);
    seenEvents = nullptr;
  }
  // The events of our window that reached the hook, once the loop has run.
  std::vector<TSeenEvent> Seen() {
    Pump();
    std::vector<TSeenEvent> ours;
    for (const TSeenEvent& e : seen_) {
      if (e.Hwnd == hwnd_) {
        ours.push_back(e);
      }
    }
    seen_.clear();
    return ours;
  }

  std::vector<TSeenEvent> seen_;
  HWINEVENTHOOK hook_ = nullptr;
};

TEST_F(AccessibleEvents, EachEventIsThePlatformsAndNamesItsNode) {
  const std::vector<std::pair<TAccEvent, DWORD>> events = {
      {TAccEvent::Focus, EVENT_OBJECT_FOCUS},
      {TAccEvent::Selection, EVENT_OBJECT_SELECTION},
      {TAccEvent::NameChange, EVENT_OBJECT_NAMECHANGE},
      {TAccEvent::ValueChange, EVENT_OBJECT_VALUECHANGE},
      {TAccEvent::StateChange, EVENT_OBJECT_STATECHANGE},
      {TAccEvent::Reorder, EVENT_OBJECT_REORDER},
  };
  Seen();
  for (const auto& [ours, theirs] : events) {
    window_->AccessibilityEvent(ours, list_.At(1));
    const std::vector<TSeenEvent> seen = Seen();
    ASSERT_EQ(seen.size(), 1u) << "event " << theirs;
    EXPECT_EQ(seen[0].Event, theirs);
    EXPECT_EQ(seen[0].Object, OBJID_CLIENT);
    EXPECT_EQ(seen[0].Child, NodeChild(list_.At(1)));
  }
  // The root is the client object itself.
  window_->AccessibilityEvent(TAccEvent::Reorder, root_);
  std::vector<TSeenEvent> seen = Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].Child, CHILDID_SELF);
  // A dialog's start and end are its window's.
  window_->AccessibilityEvent(TAccEvent::DialogStart, root_);
  window_->AccessibilityEvent(TAccEvent::DialogEnd, root_);
  seen = Seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].Event, static_cast<DWORD>(EVENT_SYSTEM_DIALOGSTART));
  EXPECT_EQ(seen[1].Event, static_cast<DWORD>(EVENT_SYSTEM_DIALOGEND));
  EXPECT_EQ(seen[0].Object, OBJID_WINDOW);
  EXPECT_EQ(seen[0].Child, CHILDID_SELF);
}

TEST_F(AccessibleEvents, AReaderFindsTheNodeOfAnEvent) {
  Seen();
  window_->AccessibilityEvent(TAccEvent::Focus, list_.At(2));
  const std::vector<TSeenEvent> seen = Seen();
  ASSERT_EQ(seen.size(), 1u);
  TRef<IAccessible> found;
  VARIANT child;
  VariantInit(&child);
  ASSERT_EQ(
      AccessibleObjectFromEvent(seen[0].Hwnd, seen[0].Object, seen[0].Child, found.Out(), &child),
      S_OK);
  ASSERT_EQ(child.vt, VT_I4);
  EXPECT_EQ(Name(found.Get(), child.lVal), "行3");
  EXPECT_EQ(Role(found.Get(), child.lVal), ROLE_SYSTEM_LISTITEM);
}

}  // namespace
}  // namespace platform_win32
