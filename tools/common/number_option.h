#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Number options of the developer tools, read strictly: the whole value is
// decimal digits, with a leading '-' only where the range has negatives,
// within the range and never overflowing. On failure `problem` is the
// message to print, naming the option.
bool ParseNumberOption(const std::string& option, const std::string& value, int64_t min,
                       int64_t max, int64_t& out, std::string& problem);

// `count` such numbers separated by `separator` ("669x328", "10,20"); `form`
// shows the shape in the message ("WxH").
bool ParseNumberListOption(const std::string& option, const std::string& value, char separator,
                           size_t count, int64_t min, int64_t max, const char* form,
                           std::vector<int64_t>& out, std::string& problem);
