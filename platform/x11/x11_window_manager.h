#pragma once

#include <X11/Xlib.h>

#include "platform/x11/x11_display.h"
#include "ui/platform.h"

// What a top-level window tells the window manager and asks of it, as ICCCM and
// EWMH describe: who made it and how it may be closed, what kind of window it is
// and whose, its fixed size, and taking the keyboard once it can.
namespace x11 {

// Everything the window manager reads before it maps the window but its size
// hints. `owner` is the window a dialog belongs to (0: none).
void DescribeWindow(TX11Display& x, ::Window w, const TWindowParams& params, ::Window owner);
// Size hints: a dialog keeps its size; `position` is where the window asks to be.
void SetSizeHints(TX11Display& x, ::Window w, TWindowKind kind, TPoint position, TSize size);
// The time of the user's last key or click, which the window manager weighs
// against other windows' before it hands over the focus.
void SetUserTime(TX11Display& x, ::Window w);

// Gives the keyboard to a viewable window: through the window manager when it
// takes _NET_ACTIVE_WINDOW, else directly. False when the window is not viewable
// yet (a reparenting window manager maps it some time after its MapNotify).
bool Activate(TX11Display& x, ::Window w);

// Answers the window manager's _NET_WM_PING; false when the message is another one.
bool AnswerPing(TX11Display& x, const XClientMessageEvent& message);

}  // namespace x11
