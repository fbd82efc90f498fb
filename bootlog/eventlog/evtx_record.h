#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What Dorvex takes out of one .evtx event record.
struct TEvtxRecord {
  uint64_t Number = 0;
  uint64_t Written = 0;  // FILETIME of the record header
  uint64_t Created = 0;  // FILETIME of System/TimeCreated, else Written
  std::string Provider;  // System/Provider's Name
  uint16_t EventId = 0;
  bool HasQualifiers = false;
  uint16_t Qualifiers = 0;  // classic events: the high 16 bits of their identifier
  std::string Sid;          // System/Security's UserID, SID bytes; empty when none
  std::string Computer;
  std::vector<std::string> Values;  // EventData's Data, or UserData's leaves, UTF-8
};

// Decodes the record whose header starts at `chunk + offset` and whose size
// was checked to lie inside the chunk. False when its binary XML is damaged.
bool DecodeEvtxRecord(const uint8_t* chunk, size_t chunkSize, size_t offset, size_t size,
                      TEvtxRecord& record);
