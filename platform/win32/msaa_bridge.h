// A window's side of Microsoft Active Accessibility: the answer to
// WM_GETOBJECT, the default actions the accessible objects post, and the
// events that tell readers what changed.
#pragma once

#include <cstdint>

#include "ui/accessibility.h"

namespace platform_win32 {

// Handles WM_GETOBJECT for the client area (when the window has a tree) and
// the posted default actions; false for every other message, which then goes
// on as before. `root` is the window's tree, or null.
bool HandleAccessibilityMessage(void* hwnd, TAccessible* root, unsigned message, uintptr_t wParam,
                                intptr_t lParam, intptr_t& result);

// NotifyWinEvent for a change of `node` in the window's tree.
void NotifyAccessibilityEvent(void* hwnd, TAccEvent event, const TAccessible& node);

}  // namespace platform_win32
