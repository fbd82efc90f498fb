#include "bootlog/duration.h"

std::string DurationText(int32_t s) {
  // Each threshold tests the whole input, not the remainder: 60 s stays "60 秒".
  int32_t days = 0, hours = 0, minutes = 0, secs = 0;
  if (s > 86400) {
    days = s / 86400;
  }
  if (s > 3600) {
    hours = (s - days * 86400) / 3600;
  }
  if (s > 60) {
    minutes = (s - days * 86400 - hours * 3600) / 60;
  }
  if (s > 1) {
    secs = s - days * 86400 - hours * 3600 - minutes * 60;
  }
  std::string text;
  if (days > 0) {
    text += std::to_string(days) + " 天";
  }
  if (hours > 0) {
    text += std::to_string(hours) + " 时";
  }
  if (minutes > 0) {
    text += std::to_string(minutes) + " 分";
  }
  if (secs > 0) {
    text += std::to_string(secs) + " 秒";
  }
  return text;
}
