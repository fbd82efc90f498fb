#include "bootlog/convert_time.h"

#include "bootlog/date_format.h"

TDateTime ConvertEventTime(uint32_t timeGenerated, const RegionalFormats& formats) {
  // Formed in extended precision, like the constant one third of a day (8 hours).
  const long double v =
      static_cast<long double>(kUnixEpochDate) + timeGenerated / 86400.0L + 1.0L / 3.0L;
  const TDateTimeRoundTrip trip = RoundTripDateTime(static_cast<double>(v), formats);
  if (trip.Back) {
    return *trip.Back;
  }
  throw EConvertError("'" + trip.Text + "' is not a valid date and time");
}
