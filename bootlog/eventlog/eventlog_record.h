#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Field offsets of the published EVENTLOGRECORD structure (little-endian).
namespace eventlog_record {
constexpr size_t kLength = 0;
constexpr size_t kTimeGenerated = 12;
constexpr size_t kEventId = 20;
constexpr size_t kNumStrings = 26;
constexpr size_t kStringOffset = 36;
constexpr size_t kUserSidLength = 40;
constexpr size_t kUserSidOffset = 44;
constexpr size_t kDataOffset = 52;
constexpr size_t kFixedSize = 56;  // the fixed part before the variable data; the source name
}  // namespace eventlog_record

#include "bootlog/event_source.h"

// Reads the first record of `bytes[0, size)`. False when even the fixed part is
// missing. The SID, the source name and the strings are taken only when they
// lie wholly inside the record: a source name without its NUL is empty, and
// strings whose offset or count point past the record give no strings at all.
// When `wanted` is given and refuses the record, its source name and strings
// are left empty, their buffers kept in `spare` for the next record wanted.
bool DecodeEventLogRecord(const uint8_t* bytes, size_t size, TLogEvent& event,
                          const TDataWanted* wanted = nullptr,
                          std::vector<std::string>* spare = nullptr);

// The length of a well-formed SID at the start of `sid`, or 0 when the bytes
// cannot hold the SID they describe.
size_t ValidSidLength(const std::string& sid);
