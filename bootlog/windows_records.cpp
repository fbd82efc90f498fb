#include "bootlog/windows_records.h"

#include "bootlog/event_source.h"
#include "bootlog/iso_time.h"

namespace {

constexpr uint64_t CodeBitsOf(std::span<const TRecordKind> kinds) {
  uint64_t bits = 0;
  for (const TRecordKind& kind : kinds) {
    bits |= uint64_t{1} << (kind.Code % 64);
  }
  return bits;
}

// Most records are passed over by their code alone.
constexpr uint64_t kAnyCodeBits = CodeBitsOf(kWindowsRecords);

}  // namespace

const TRecordKind* KindOf(const TLogEvent& event) {
  if (((kAnyCodeBits >> (event.EventCode % 64)) & 1) == 0) {
    return nullptr;
  }
  for (const TRecordKind& kind : kWindowsRecords) {
    if (kind.Code == event.EventCode && (kind.Source.empty() || event.SourceName == kind.Source)) {
      return &kind;
    }
  }
  return nullptr;
}

const std::string* ValueOf(const TLogEvent& event, const TRecordKind& kind, size_t which) {
  const size_t at = kind.Values[which];
  return at < event.Strings.size() ? &event.Strings[at] : nullptr;
}

TAsleepKind AsleepKindOf(const std::string* targetState) {
  // A whole decimal number, nothing else: "15" or "5x" are not hibernation.
  if (targetState != nullptr && *targetState == "5") {
    return TAsleepKind::Hibernation;
  }
  if (targetState != nullptr && *targetState == "6") {
    return TAsleepKind::FastStartup;
  }
  return TAsleepKind::Sleep;
}

std::optional<TSessionEvent> WakeOf(const TLogEvent& event, const TRecordKind& kind) {
  const std::string* sleepText = ValueOf(event, kind, 0);
  const std::string* wakeText = ValueOf(event, kind, 1);
  if (sleepText == nullptr || wakeText == nullptr) {
    return std::nullopt;
  }
  const std::optional<uint32_t> sleep = ParseIsoUtcSeconds(*sleepText);
  const std::optional<uint32_t> wake = ParseIsoUtcSeconds(*wakeText);
  if (!sleep || !wake || *wake <= *sleep) {
    return std::nullopt;
  }
  TSessionEvent period;
  period.Kind = TSessionEvent::TKind::Asleep;
  period.Utc = *sleep;
  period.Woke = true;
  period.WakeUtc = *wake;
  period.How = AsleepKindOf(ValueOf(event, kind, 2));
  return period;
}
