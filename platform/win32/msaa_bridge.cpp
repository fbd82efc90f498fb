#include "platform/win32/msaa_bridge.h"

#include <windows.h>
// oleacc.h needs what windows.h defines.
#include <oleacc.h>

#include "platform/win32/accessible_object.h"
#include "platform/win32/accessible_tree.h"
#include "platform/win32/msaa_mapping.h"

namespace platform_win32 {

bool HandleAccessibilityMessage(void* hwnd, TAccessible* root, unsigned message, uintptr_t wParam,
                                intptr_t lParam, intptr_t& result) {
  if (message == WM_GETOBJECT) {
    // The object id is a DWORD: a 64-bit lParam may or may not be sign-extended.
    if (root == nullptr || static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) {
      return false;
    }
    IAccessible* object = NewAccessibleObject(root->Id(), hwnd);
    // LresultFromObject holds its own reference until the caller takes the object.
    result = LresultFromObject(IID_IAccessible, wParam, object);
    object->Release();
    return true;
  }
  if (message == kAccessibleActionMessage) {
    // Only a node of this window's own tree, whoever posted the message.
    TAccessible* node = FindAccessible(static_cast<uint32_t>(wParam));
    if (node != nullptr && root != nullptr && IsWithin(*node, *root)) {
      node->DoDefaultAction();
    }
    result = 0;
    return true;
  }
  return false;
}

void NotifyAccessibilityEvent(void* hwnd, TAccEvent event, const TAccessible& node) {
  if (hwnd == nullptr) {
    return;
  }
  // A dialog's start and end are the window's, as the system reports its own dialogs.
  if (event == TAccEvent::DialogStart || event == TAccEvent::DialogEnd) {
    NotifyWinEvent(MsaaEvent(event), static_cast<HWND>(hwnd), OBJID_WINDOW, CHILDID_SELF);
    return;
  }
  NotifyWinEvent(MsaaEvent(event), static_cast<HWND>(hwnd), OBJID_CLIENT, EventChildId(node));
}

}  // namespace platform_win32
