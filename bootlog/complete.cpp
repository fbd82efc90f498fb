#include "bootlog/complete.h"

#include <cmath>

#include "bootlog/date_format.h"
#include "bootlog/duration.h"

const char* const kStateRunning = "正常,运行中...";
const char* const kStateCleanShutdown = "正常关机";
const char* const kStateAbnormal = "非正常关机";
const char* const kStateNoStart = "无开机记录";
const char* const kStateSleep = "睡眠";
const char* const kStateHibernation = "休眠";

namespace {

const char* StoppedText(TStopKind kind) {
  switch (kind) {
    case TStopKind::Sleep:
      return kStateSleep;
    case TStopKind::Hibernation:
      return kStateHibernation;
    case TStopKind::Shutdown:
    case TStopKind::FastStartup:
      break;
  }
  return kStateCleanShutdown;
}

}  // namespace

int32_t SecondsBetween(TDateTime a, TDateTime b) {
  const double seconds = std::fabs(a - b) * 86400.0;
  // Out-of-range spans cannot come from real event times; keep the conversion defined.
  if (!(seconds < 9.2e18)) {
    return 0;
  }
  // Event times are whole seconds, but their day fractions are not exact in
  // binary: truncating the product would lose a second to a hair.
  return static_cast<int32_t>(static_cast<uint32_t>(std::llround(seconds)));
}

int64_t CompleteBootTable(TBootTable& table, const RegionalFormats& formats,
                          const std::function<void(TBootRow&)>& handRow) {
  int64_t totalSeconds = 0;
  if (!table.empty() && !IsTimeSet(table.back().StartTime) && !IsTimeSet(table.back().StopTime)) {
    table.pop_back();
  }
  TBootRow row;
  for (size_t i = 0; i < table.size(); ++i) {
    TBootRecord& r = table[i];
    const bool hasStart = IsTimeSet(r.StartTime), hasStop = IsTimeSet(r.StopTime);
    r.RunSeconds = 0;
    row.StateImage = 0;
    if (hasStart && hasStop) {
      r.StateText = StoppedText(r.StopKind);
      r.RunSeconds = SecondsBetween(r.StopTime, r.StartTime);
    } else if (i == 0) {
      r.StateText = kStateRunning;
    } else {
      row.StateImage = 1;
      r.StateText = hasStart ? kStateAbnormal : kStateNoStart;
    }
    row.Columns[0] = hasStart ? DateTimeText(r.StartTime, formats) : "";
    row.Columns[1] = hasStop ? DateTimeText(r.StopTime, formats) : "";
    row.Columns[2] = r.RunSeconds > 0 ? DurationText(r.RunSeconds) : "";
    row.Columns[3] = r.UserName;
    row.Columns[4] = r.StateText;
    totalSeconds += r.RunSeconds;
    handRow(row);
  }
  return totalSeconds;
}

TBootCompletion CompleteBootTable(TBootTable& table, const RegionalFormats& formats) {
  TBootCompletion result;
  result.Rows.reserve(table.size());
  result.TotalSeconds = CompleteBootTable(
      table, formats, [&result](TBootRow& row) { result.Rows.push_back(std::move(row)); });
  return result;
}
