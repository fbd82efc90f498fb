#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// SIDs as text ("S-1-5-21-...-1001") and back.

// Empty when the bytes are no well-formed SID.
std::string SidText(const uint8_t* bytes, size_t size);

// The SID bytes of a text as Windows writes it; empty when it is none (a
// revision other than 1, more than 15 sub-authorities, a number that does
// not fit, anything after the digits).
std::string SidFromText(const std::string& text);
