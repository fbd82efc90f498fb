#pragma once

#include <cstdint>

// Fields of the log files, which are little-endian whatever the machine.
inline uint32_t Le32(const void* bytes) {
  const auto* p = static_cast<const uint8_t*>(bytes);
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline uint64_t Le64(const void* bytes) {
  const auto* p = static_cast<const uint8_t*>(bytes);
  return uint64_t{Le32(p)} | uint64_t{Le32(p + 4)} << 32;
}

inline uint16_t Le16(const void* bytes) {
  const auto* p = static_cast<const uint8_t*>(bytes);
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}
