#include "bootlog/reconstruct.h"

#include "bootlog/convert_time.h"

namespace {

bool IsServiceAccount(const std::string& name) {
  for (const char* word : {"N/A", "SYSTEM", "LOCAL SERVICE"}) {
    if (name.find(word) != std::string::npos) {
      return true;
    }
  }
  return false;
}

}  // namespace

void ReadBootEvents(EventSource& source, const RegionalFormats& formats, TBootTable& table) {
  table.clear();
  if (!source.OpenSystemLog()) {
    return;
  }
  TLogEvent event;
  while (source.ReadNextEvent(event)) {
    switch (event.EventCode) {
      case kEventLogStarted: {
        const TDateTime t = ConvertEventTime(event.TimeGenerated, formats);
        if (table.empty() || IsTimeSet(table.back().StartTime)) {
          table.emplace_back();
        }
        table.back().StartTime = t;
        break;
      }
      case kEventLogStopped: {
        const TDateTime t = ConvertEventTime(event.TimeGenerated, formats);
        if (table.empty() || IsTimeSet(table.back().StopTime) ||
            IsTimeSet(table.back().StartTime)) {
          table.emplace_back();
        }
        table.back().StopTime = t;
        break;
      }
      case kServiceControl: {
        std::string name = source.LookupUserName(event);
        if (IsServiceAccount(name)) {
          break;
        }
        const TDateTime t = ConvertEventTime(event.TimeGenerated, formats);
        if (table.empty() || (IsTimeSet(table.back().StartTime) && table.back().StartTime > t)) {
          table.emplace_back();
        }
        table.back().UserName = std::move(name);
        break;
      }
      default:
        break;
    }
  }
}
