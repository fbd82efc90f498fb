#pragma once

#include <string>

#include "bootlog/regional_formats.h"

// Empty when the --date-format and --time-format pictures read back every
// date and time they write, else the message naming them and the reason.
std::string FormatOptionsProblem(const RegionalFormats& formats);
