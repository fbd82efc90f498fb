#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "bootlog/datetime.h"
#include "bootlog/regional_formats.h"

// A date-time text that does not parse back.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The event time as the boot table keeps it: UTC plus a fixed 8 hours, cut to
// what the regional formats show (written as text and read back).
TDateTime ConvertEventTime(uint32_t timeGenerated, const RegionalFormats& formats);
