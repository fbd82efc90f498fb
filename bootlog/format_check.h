#pragma once

#include <string>

#include "bootlog/datetime.h"
#include "bootlog/regional_formats.h"

// Whether the date-time text of `value` reads back to `value` itself.
bool ReadsBack(TDateTime value, const RegionalFormats& formats);

// Empty when every date-time text written with `formats` reads back to the
// same date and time, else the first one that does not and what it became.
// Formats that fail would give wrong times or fail every refresh. Tried on
// every day of a leap and a common year at every hour, single- and two-digit
// fields, and a day of each year from 1970 to 2106, the span of event times.
std::string ReadBackProblem(const RegionalFormats& formats);

// The formats read from the system when they pass ReadBackProblem, else the
// program's own.
RegionalFormats FormatsOrDefaults(const RegionalFormats& formats);
