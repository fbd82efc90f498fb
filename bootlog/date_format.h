#pragma once

#include <optional>
#include <string>

#include "bootlog/datetime.h"
#include "bootlog/regional_formats.h"

// Writes a value with one picture string.
std::string FormatDateTime(const std::string& picture, TDateTime value,
                           const RegionalFormats& formats = {});

// The date-time text shown everywhere: the short date, then, unless the time of
// day is exactly 00:00:00, one blank and the long time.
std::string DateTimeText(TDateTime value, const RegionalFormats& formats);

// Reads a text written by DateTimeText back; the time part may be absent
// (midnight). Nothing when the text does not match the formats.
std::optional<TDateTime> ParseDateTimeText(const std::string& text, const RegionalFormats& formats);

// DateTimeText of a value, and that text read back by ParseDateTimeText.
struct TDateTimeRoundTrip {
  std::string Text;
  std::optional<TDateTime> Back;
};
TDateTimeRoundTrip RoundTripDateTime(TDateTime value, const RegionalFormats& formats);
