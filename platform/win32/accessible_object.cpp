#include "platform/win32/accessible_object.h"

#include <windows.h>
// oleacc.h needs what windows.h defines.
#include <oleacc.h>

#include <new>
#include <string>
#include <vector>

#include "platform/win32/accessible_tree.h"
#include "platform/win32/com_object.h"
#include "platform/win32/msaa_mapping.h"
#include "platform/win32/wide_text.h"
#include "ui/accessibility.h"
#include "ui/guarded.h"

namespace platform_win32 {

namespace {

LONG liveObjects = 0;

// The one guard of the MSAA bridge: no error unwinds into the caller's COM
// frames. It answers "failed" and the error goes to the program's error handler
// from the message loop.
template <typename F>
HRESULT Guarded(F&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    ReportErrorLater(std::current_exception());
    return E_FAIL;
  }
}

// An empty text is no text: S_FALSE and no string, as the platform's controls answer.
HRESULT TextAnswer(const std::string& utf8, BSTR* out) {
  if (utf8.empty()) {
    return S_FALSE;
  }
  const std::u16string wide = Utf16FromUtf8(utf8);
  *out = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.data()),
                           static_cast<UINT>(wide.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

bool ChildIdOf(const VARIANT& v, long& id) {
  switch (v.vt) {
    case VT_I4:
      id = v.lVal;
      return true;
    case VT_INT:
      id = v.intVal;
      return true;
    case VT_I2:
      id = v.iVal;
      return true;
    default:
      return false;
  }
}

// get_accSelection's answer when more than one child is selected.
class TVariantList final : public TComObject<TVariantList, IEnumVARIANT> {
 public:
  static bool Implements(REFIID iid) { return iid == IID_IEnumVARIANT; }
  // Empty variants, to be filled through At.
  explicit TVariantList(std::size_t count, std::size_t position = 0)
      : items_(count), position_(position) {
    for (VARIANT& v : items_) {
      VariantInit(&v);
    }
  }
  ~TVariantList() {
    for (VARIANT& v : items_) {
      VariantClear(&v);
    }
  }
  TVariantList(const TVariantList&) = delete;
  TVariantList& operator=(const TVariantList&) = delete;

  VARIANT* At(std::size_t index) { return &items_[index]; }

  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* out, ULONG* fetched) override {
    if (fetched != nullptr) {
      *fetched = 0;
    }
    if (out == nullptr) {
      return E_POINTER;
    }
    ULONG n = 0;
    for (; n < count && position_ < items_.size(); ++n, ++position_) {
      VariantInit(&out[n]);
      const HRESULT hr = VariantCopy(&out[n], &items_[position_]);
      if (FAILED(hr)) {
        for (ULONG i = 0; i < n; ++i) {
          VariantClear(&out[i]);
        }
        position_ -= n;
        return hr;
      }
    }
    if (fetched != nullptr) {
      *fetched = n;
    }
    return n == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    const std::size_t left = items_.size() - position_;
    position_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    position_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
    if (out == nullptr) {
      return E_POINTER;
    }
    *out = nullptr;
    return Guarded([&] {
      auto* copy = new TVariantList(items_.size(), position_);
      for (std::size_t i = 0; i < items_.size(); ++i) {
        VariantCopy(copy->At(i), &items_[i]);
      }
      *out = copy;
      return S_OK;
    });
  }

 private:
  std::vector<VARIANT> items_;
  std::size_t position_;
};

class TAccessibleObject final : public TComObject<TAccessibleObject, IAccessible> {
 public:
  static bool Implements(REFIID iid) { return iid == IID_IDispatch || iid == IID_IAccessible; }
  TAccessibleObject(uint32_t nodeId, HWND hwnd) : nodeId_(nodeId), hwnd_(hwnd) {
    InterlockedIncrement(&liveObjects);
  }
  ~TAccessibleObject() { InterlockedDecrement(&liveObjects); }
  TAccessibleObject(const TAccessibleObject&) = delete;
  TAccessibleObject& operator=(const TAccessibleObject&) = delete;

  // ---- IDispatch: readers call the IAccessible methods themselves.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) {
      return E_POINTER;
    }
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info != nullptr) {
      *info = nullptr;
    }
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // ---- IAccessible: the tree
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
    if (out == nullptr) {
      return E_POINTER;
    }
    *out = nullptr;
    return OnNode([&](TAccessible* node) {
      if (TAccessible* parent = node->Parent()) {
        *out = NewAccessibleObject(parent->Id(), hwnd_);
        return S_OK;
      }
      // Above the root is the window's frame, the system's object.
      return CreateStdAccessibleObject(hwnd_, OBJID_WINDOW, IID_IDispatch,
                                       reinterpret_cast<void**>(out));
    });
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (count == nullptr) {
      return E_POINTER;
    }
    *count = 0;
    return OnNode([&](TAccessible* node) {
      *count = node->ChildCount();
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (out == nullptr) {
      return E_POINTER;
    }
    *out = nullptr;
    return OnNode([&](TAccessible* node) {
      long id = 0;
      if (!ChildIdOf(child, id) || id == CHILDID_SELF) {
        return E_INVALIDARG;
      }
      TAccessible* target = ResolveChildId(*node, id);
      if (target == nullptr) {
        return E_INVALIDARG;
      }
      // A child without children of its own is a simple element: this object
      // answers for it under its position.
      if (id > 0 && target->ChildCount() == 0) {
        return S_FALSE;
      }
      *out = NewAccessibleObject(target->Id(), hwnd_);
      return S_OK;
    });
  }

  // ---- IAccessible: what a node says
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    return Text(child, out, &TAccessible::Name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    return Text(child, out, &TAccessible::Value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    return Text(child, out, &TAccessible::Description);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    return Text(child, out, &TAccessible::Shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    return Text(child, out, &TAccessible::DefaultAction);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
    return Text(child, out, nullptr);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    if (file == nullptr || topic == nullptr) {
      return E_POINTER;
    }
    *file = nullptr;
    *topic = 0;
    TAccessible* target = nullptr;
    const HRESULT hr = Resolve(child, target);
    return FAILED(hr) ? hr : DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    return Number(child, out, [](const TAccessible& n) { return MsaaRole(n.Role()); });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
    return Number(child, out, [](const TAccessible& n) { return MsaaState(n.States()); });
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
      return E_POINTER;
    }
    *left = *top = *width = *height = 0;
    return OnTarget(child, [&](TAccessible* target) {
      const TRect r = target->ScreenBounds();
      *left = r.Left;
      *top = r.Top;
      *width = r.Width();
      *height = r.Height();
      return S_OK;
    });
  }

  // ---- IAccessible: finding nodes
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
    return Find(out, [](TAccessible& node) { return node.FocusedNode(); });
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
    return Find(out, [&](TAccessible& node) {
      return node.HitTest({static_cast<int>(x), static_cast<int>(y)});
    });
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
    if (out == nullptr) {
      return E_POINTER;
    }
    VariantInit(out);
    return OnNode([&](TAccessible* node) {
      const std::vector<TAccessible*> selected = node->SelectedChildren();
      if (selected.size() <= 1) {
        return Answer(*node, selected.empty() ? nullptr : selected.front(), out);
      }
      auto* list = new TVariantList(selected.size());
      try {
        for (std::size_t i = 0; i < selected.size(); ++i) {
          Answer(*node, selected[i], list->At(i));
        }
      } catch (...) {
        list->Release();
        throw;
      }
      out->vt = VT_UNKNOWN;
      out->punkVal = list;
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
    if (out == nullptr) {
      return E_POINTER;
    }
    VariantInit(out);
    return OnNode([&](TAccessible* node) {
      long id = 0;
      if (!ChildIdOf(start, id) || direction < NAVDIR_UP || direction > NAVDIR_LASTCHILD) {
        return E_INVALIDARG;
      }
      // First and last child are the object's own.
      if ((direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) && id != CHILDID_SELF) {
        return E_INVALIDARG;
      }
      TAccessible* from = ResolveChildId(*node, id);
      if (from == nullptr) {
        return E_INVALIDARG;
      }
      return Answer(*node, Navigate(*from, static_cast<TNavDirection>(direction)), out);
    });
  }

  // ---- IAccessible: acting
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return OnTarget(child, [&](TAccessible* target) {
      constexpr long kKnown = SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION | SELFLAG_EXTENDSELECTION |
                              SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION;
      if ((flags & ~kKnown) != 0 ||
          ((flags & SELFLAG_TAKESELECTION) != 0 &&
           (flags & (SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION)) != 0) ||
          ((flags & SELFLAG_ADDSELECTION) != 0 && (flags & SELFLAG_REMOVESELECTION) != 0)) {
        return E_INVALIDARG;
      }
      // The toolkit's lists and tabs select one item at a time.
      if ((flags & (SELFLAG_EXTENDSELECTION | SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION)) !=
          0) {
        return DISP_E_MEMBERNOTFOUND;
      }
      bool done = true;
      if ((flags & SELFLAG_TAKEFOCUS) != 0) {
        done = target->TakeFocus() && done;
      }
      if ((flags & SELFLAG_TAKESELECTION) != 0) {
        done = target->TakeSelection() && done;
      }
      return done ? S_OK : DISP_E_MEMBERNOTFOUND;
    });
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return OnTarget(child, [&](TAccessible* target) {
      if (target->DefaultAction().empty()) {
        return DISP_E_MEMBERNOTFOUND;
      }
      return PostMessageW(hwnd_, kAccessibleActionMessage, target->Id(), 0) ? S_OK : E_FAIL;
    });
  }
  // Obsolete in the interface itself.
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }

 private:
  TAccessible* Node() const { return FindAccessible(nodeId_); }

  // Runs `body` with this object's node, under the guard; a gone node answers
  // CO_E_OBJNOTCONNECTED.
  template <typename F>
  HRESULT OnNode(F&& body) const {
    return Guarded([&] {
      TAccessible* node = Node();
      return node != nullptr ? body(node) : CO_E_OBJNOTCONNECTED;
    });
  }
  // Runs `body` with the node a child id names, under the guard.
  template <typename F>
  HRESULT OnTarget(const VARIANT& child, F&& body) const {
    return Guarded([&] {
      TAccessible* target = nullptr;
      const HRESULT hr = Resolve(child, target);
      return FAILED(hr) ? hr : body(target);
    });
  }

  HRESULT Resolve(const VARIANT& child, TAccessible*& target) const {
    target = nullptr;
    TAccessible* node = Node();
    if (node == nullptr) {
      return CO_E_OBJNOTCONNECTED;
    }
    long id = 0;
    if (!ChildIdOf(child, id)) {
      return E_INVALIDARG;
    }
    target = ResolveChildId(*node, id);
    return target != nullptr ? S_OK : E_INVALIDARG;
  }

  HRESULT Text(const VARIANT& child, BSTR* out, std::string (TAccessible::*text)() const) const {
    if (out == nullptr) {
      return E_POINTER;
    }
    *out = nullptr;
    return OnTarget(child, [&](TAccessible* target) {
      return text != nullptr ? TextAnswer((target->*text)(), out) : S_FALSE;
    });
  }

  template <typename F>
  HRESULT Number(const VARIANT& child, VARIANT* out, F value) const {
    if (out == nullptr) {
      return E_POINTER;
    }
    VariantInit(out);
    return OnTarget(child, [&](TAccessible* target) {
      out->vt = VT_I4;
      out->lVal = value(*target);
      return S_OK;
    });
  }

  template <typename F>
  HRESULT Find(VARIANT* out, F find) const {
    if (out == nullptr) {
      return E_POINTER;
    }
    VariantInit(out);
    return OnNode([&](TAccessible* node) { return Answer(*node, find(*node), out); });
  }

  // A node relative to this one, as a child id or an object (VT_EMPTY: none).
  HRESULT Answer(TAccessible& node, TAccessible* found, VARIANT* out) const {
    const TAccAnswer answer = AnswerFor(node, found);
    if (answer.Node == nullptr) {
      out->vt = VT_EMPTY;
      return S_FALSE;
    }
    if (answer.AsObject) {
      out->vt = VT_DISPATCH;
      out->pdispVal = NewAccessibleObject(answer.Node->Id(), hwnd_);
      return S_OK;
    }
    out->vt = VT_I4;
    out->lVal = answer.ChildId;
    return S_OK;
  }

  const uint32_t nodeId_;
  const HWND hwnd_;
};

}  // namespace

IAccessible* NewAccessibleObject(uint32_t nodeId, void* hwnd) {
  return new TAccessibleObject(nodeId, static_cast<HWND>(hwnd));
}

long LiveAccessibleObjects() {
  return InterlockedCompareExchange(&liveObjects, 0, 0);
}

}  // namespace platform_win32
