// What changed, told to readers as ATK signals, which the bridge turns into
// AT-SPI events. libatspi keeps names, states and children from events alone,
// so every change a reader may have seen is signalled; nodes no reader has
// asked about have no object and cost nothing.
#pragma once

#include <cstdint>

#include "ui/accessibility.h"

namespace platform_atk {

void SendAccessibilityEvent(TAccEvent event, const TAccessible& node);
// Objects whose nodes have gone turn defunct, leave their parents and are released.
void ReportGoneObjects();

// A window's root: shown for the first time, given or losing the keyboard, gone.
void WindowCreated(TAccessible& root, int index);
void WindowActivated(TAccessible& root, bool active);
void WindowDestroyed(TAccessible& root, int index);
// Tells again which window is active and what has the focus, for a reader that
// has just begun to listen.
void AnnounceFocus(TAccessible& root);

}  // namespace platform_atk
