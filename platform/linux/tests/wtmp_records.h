#pragma once

#include <cstdint>
#include <cstring>
#include <string>

// One login accounting record: type, user and time; 2 is a boot, 7 a login,
// 1 with the user "shutdown" a shutdown.
inline std::string WtmpRecord(int16_t type, const char* user, uint32_t seconds) {
  std::string r(384, '\0');
  r[0] = static_cast<char>(type);
  std::memcpy(&r[44], user, std::strlen(user));
  std::memcpy(&r[340], &seconds, 4);
  return r;
}
