// Fixture files of any content: refused with a message, or read as the log.
#include "bootlog/fixture_source.h"
#include "bootlog/reconstruct.h"
#include "fuzz/check.h"
#include "fuzz/input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzInputFile file("fixture.events");
  const std::string& path = file.Write(data, size);
  TBootTable table;
  ReadBootEvents(*OpenFixtureLog(path), RegionalFormats{}, table);
  // A fixture with a problem yields no events at all.
  FuzzCheck(FixtureEventSource::Problem(path).empty() || table.empty(),
            "a malformed fixture gave events");
  return 0;
}
