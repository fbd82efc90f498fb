#pragma once

#include <cstdint>

#include "bootlog/boot_table.h"

// Seconds the uptime label shows. The tick count goes on through sleep,
// hibernation and Fast Startup, so when the running record (index 0, no stop)
// began with a wake, the time since that wake (never below 0); otherwise the
// tick count. At most INT32_MAX.
int32_t UptimeSeconds(const TBootTable& table, uint64_t tickMs, int64_t utcNow);
