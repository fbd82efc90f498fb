// The IAccessible objects a window hands to screen readers. Each stands for
// one node of the window's accessible tree, which it keeps by Id and finds
// again on every call: a reader may hold an object long after its node is gone
// (a refresh replaces the rows), and then gets CO_E_OBJNOTCONNECTED.
// Child ids follow accessible_tree.h.
#pragma once

#include <cstdint>

struct IAccessible;

namespace platform_win32 {

// A new object with one reference, over the node with this Id in the window.
IAccessible* NewAccessibleObject(uint32_t nodeId, void* hwnd);

// How many objects are alive, for the tests of their reference counts.
long LiveAccessibleObjects();

// Posted to the window by accDoDefaultAction (WM_APP + 2), wParam the node's Id:
// the action runs from the message loop once the caller has its answer, since
// an action may open a modal window and a reader in another process would wait.
constexpr unsigned kAccessibleActionMessage = 0x8000 + 2;

}  // namespace platform_win32
