#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Seconds since 1970-01-01 UTC of a time text such as
// "2020-12-06T03:53:19.597986100Z", cut to whole seconds. Only the digits of
// YYYY-MM-DDTHH:MM:SS are read; anything else between them (direction marks,
// or the '?' an ANSI read leaves in their place) is skipped. Empty when the
// digits are missing, name no real date and time, or fall outside 32 bits.
std::optional<uint32_t> ParseIsoUtcSeconds(const std::string& text);
