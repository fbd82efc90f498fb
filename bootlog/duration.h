#pragma once

#include <cstdint>
#include <string>

// Whole seconds as days, hours, minutes and seconds ("1 天1 时1 分1 秒");
// empty for 1 second or less.
std::string DurationText(int32_t seconds);
