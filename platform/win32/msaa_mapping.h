// The toolkit's roles, states and events in Microsoft Active Accessibility's
// terms (ROLE_SYSTEM_*, STATE_SYSTEM_*, EVENT_*), as the platform's own
// controls report them.
#pragma once

#include <cstdint>

#include "ui/accessibility.h"

namespace platform_win32 {

long MsaaRole(TAccRole role);
long MsaaState(uint32_t states);
unsigned long MsaaEvent(TAccEvent event);

}  // namespace platform_win32
