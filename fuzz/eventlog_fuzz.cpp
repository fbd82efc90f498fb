// The System log read protocol and record decoding over a service that lies.
#include "bootlog/eventlog/eventlog_source.h"
#include "bootlog/reconstruct.h"
#include "bootlog/windows_sessions.h"
#include "fuzz/lying_eventlog_api.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  LyingEventLogApi api(provider);
  {
    EventLogSource source(api);
    WindowsSessionSource sessions(source);
    TBootTable table;
    // A second refresh on the same source starts afresh.
    ReadBootEvents(sessions, RegionalFormats{}, table);
    ReadBootEvents(sessions, RegionalFormats{}, table);
  }
  {
    // Every record's source name and strings, as a reader that asks for all.
    EventLogSource source(api);
    TLogEvent event;
    if (source.OpenSystemLog()) {
      while (source.ReadNextEvent(event)) {
      }
    }
  }
  api.ExpectAllClosed();
  return 0;
}
