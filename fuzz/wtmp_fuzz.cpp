// Login accounting files of any content, read as the System log.
#include "bootlog/reconstruct.h"
#include "bootlog/wtmp_source.h"
#include "fuzz/input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzInputFile file("wtmp");
  WtmpEventSource source({file.Write(data, size)});
  TBootTable table;
  ReadBootEvents(source, RegionalFormats{}, table);
  return 0;
}
