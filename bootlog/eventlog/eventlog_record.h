#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Field offsets of the published EVENTLOGRECORD structure (little-endian).
namespace eventlog_record {
constexpr size_t kLength = 0;
constexpr size_t kTimeGenerated = 12;
constexpr size_t kEventId = 20;
constexpr size_t kUserSidLength = 40;
constexpr size_t kUserSidOffset = 44;
constexpr size_t kFixedSize = 56;  // the fixed part before the variable data
}  // namespace eventlog_record

struct TLogEvent;

// Reads the first record of `bytes[0, size)`. False when even the fixed part is
// missing. The SID is taken only when it lies wholly inside the bytes.
bool DecodeEventLogRecord(const uint8_t* bytes, size_t size, TLogEvent& event);

// The length of a well-formed SID at the start of `sid`, or 0 when the bytes
// cannot hold the SID they describe.
size_t ValidSidLength(const std::string& sid);
