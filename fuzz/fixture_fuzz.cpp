// Fixture files of any content: refused with a message, or read as the log.
#include "bootlog/fixture_source.h"
#include "bootlog/reconstruct.h"
#include "fuzz/input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzInputFile file("fixture.events");
  try {
    FixtureEventSource source = FixtureEventSource::FromFile(file.Write(data, size));
    TBootTable table;
    ReadBootEvents(source, RegionalFormats{}, table);
  } catch (const EFixtureError&) {
  }
  return 0;
}
