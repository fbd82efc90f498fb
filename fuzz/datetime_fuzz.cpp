// Date-time pictures and texts of any content; with formats that pass the
// read-back check, every event time comes back to the same second.
#include <fuzzer/FuzzedDataProvider.h>

#include <chrono>

#include "bootlog/convert_time.h"
#include "bootlog/date_format.h"
#include "bootlog/format_check.h"
#include "fuzz/check.h"

namespace {

// The calendar second of an event time in UTC+8, computed without our code.
TDateTimeParts ExpectedParts(uint32_t timeGenerated) {
  using namespace std::chrono;
  const sys_seconds t{seconds{int64_t{timeGenerated} + 8 * 3600}};
  const sys_days day = floor<days>(t);
  const year_month_day ymd{day};
  const hh_mm_ss<seconds> clock{t - day};
  TDateTimeParts p;
  p.Year = static_cast<int>(ymd.year());
  p.Month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  p.Day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  p.Hour = static_cast<int>(clock.hours().count());
  p.Minute = static_cast<int>(clock.minutes().count());
  p.Second = static_cast<int>(clock.seconds().count());
  return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const uint32_t timeGenerated = in.ConsumeIntegral<uint32_t>();
  const double value = in.ConsumeFloatingPoint<double>();
  const bool ownFormats = in.ConsumeBool();
  RegionalFormats formats;
  if (ownFormats) {
    formats.ShortDate = in.ConsumeRandomLengthString(40);
    formats.LongTime = in.ConsumeRandomLengthString(40);
    formats.AmDesignator = in.ConsumeRandomLengthString(8);
    formats.PmDesignator = in.ConsumeRandomLengthString(8);
  }
  const std::string text = in.ConsumeRemainingBytesAsString();

  // Any value with any picture, any text against them: no fault.
  FormatDateTime(formats.LongTime, value, formats);
  ParseDateTimeText(DateTimeText(value, formats), formats);
  ParseDateTimeText(text, formats);

  // Formats the check lets through must read every event time back.
  if (ownFormats && !ReadBackProblem(formats).empty()) {
    return 0;
  }
  const TDateTime t = ConvertEventTime(timeGenerated, formats);
  const TDateTimeParts got = DecodeDateTime(t), want = ExpectedParts(timeGenerated);
  FuzzCheck(got.Year == want.Year && got.Month == want.Month && got.Day == want.Day &&
                got.Hour == want.Hour && got.Minute == want.Minute && got.Second == want.Second &&
                got.MilliSecond == 0,
            "event time not read back", DateTimeText(t, formats));
  return 0;
}
