// What every COM object of ours shares: a reference count, and QueryInterface
// answering IUnknown and the interfaces `Derived::Implements(iid)` names, all
// through the one interface `I` the object derives from.
#pragma once

#include <windows.h>
// unknwn.h needs what windows.h defines.
#include <unknwn.h>

namespace platform_win32 {

template <class Derived, class I>
class TComObject : public I {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) {
      return E_POINTER;
    }
    if (iid == IID_IUnknown || Derived::Implements(iid)) {
      *out = static_cast<I*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) {
      delete static_cast<Derived*>(this);
    }
    return left;
  }

 private:
  LONG refs_ = 1;
};

}  // namespace platform_win32
