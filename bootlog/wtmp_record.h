#pragma once

#include <cstddef>
#include <cstdint>

#include "bootlog/session_event.h"

// The login accounting record (utmp) as Linux writes it to wtmp on x86, in
// either word size: 384 bytes, little-endian.
namespace wtmp_record {
constexpr size_t kSize = 384;
constexpr size_t kType = 0;   // 16-bit
constexpr size_t kUser = 44;  // 32 characters, zero-padded, not always terminated
constexpr size_t kUserSize = 32;
constexpr size_t kSeconds = 340;  // 32-bit, seconds since 1970
constexpr int16_t kRunLevel = 1;
constexpr int16_t kBootTime = 2;
constexpr int16_t kUserProcess = 7;
}  // namespace wtmp_record

// The event a record stands for: a boot, the shutdown run level, a login
// (with its name; "N/A" when it has none). False for every other record.
bool DecodeWtmpRecord(const char* record, TSessionEvent& event);
