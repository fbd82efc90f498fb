// Event logs of the app tests, as fixture texts.
#pragma once

#include <cstdint>
#include <string>

#include "bootlog/datetime.h"

// UTC seconds of a wall-clock time in the boot table's UTC+8.
inline uint32_t At(int y, int mo, int d, int h, int mi) {
  return static_cast<uint32_t>((EncodeDate(y, mo, d) - 25569) * 86400 + (h - 8) * 3600 + mi * 60);
}

// A boot and a clean shutdown, as fixture lines.
inline std::string BootLine(uint32_t time) {
  return "6005 " + std::to_string(time) + "\n";
}
inline std::string ShutdownLine(uint32_t time) {
  return "6006 " + std::to_string(time) + "\n";
}

// Clean boot by A, a boot by B that lost power, the running boot by B.
inline std::string WorkedExample() {
  std::string t;
  auto line = [&t](int code, uint32_t time, const char* user) {
    t += std::to_string(code) + " " + std::to_string(time) + (user ? std::string(" ") + user : "") +
         "\n";
  };
  line(7035, At(2009, 11, 25, 8, 1), "B");
  line(6005, At(2009, 11, 25, 8, 0), nullptr);
  line(7035, At(2009, 11, 21, 9, 2), "B");
  line(7035, At(2009, 11, 21, 9, 1), "SYSTEM");
  line(6005, At(2009, 11, 21, 9, 0), nullptr);
  line(6006, At(2009, 11, 16, 21, 0), nullptr);
  line(7035, At(2009, 11, 16, 9, 5), "A");
  line(6005, At(2009, 11, 16, 9, 0), nullptr);
  return t;
}
