#include "bootlog/windows_records.h"

#include <cctype>

#include "bootlog/iso_time.h"

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

namespace {

// The folder after "\Users\" (in any case) of a Windows path.
std::string ProfileFolder(const std::string& path) {
  static constexpr std::string_view kUsers = "\\users\\";
  for (size_t at = 0; at + kUsers.size() <= path.size(); ++at) {
    bool match = true;
    for (size_t i = 0; i < kUsers.size() && match; ++i) {
      match = std::tolower(static_cast<unsigned char>(path[at + i])) == kUsers[i];
    }
    if (match) {
      const size_t begin = at + kUsers.size();
      return path.substr(begin, path.find('\\', begin) - begin);
    }
  }
  return {};
}

}  // namespace

std::string AccountNameOf(const TLogEvent& event, const TRecordKind& kind) {
  const std::string* value = ValueOf(event, kind, 0);
  if (value == nullptr) {
    return {};
  }
  if (kind.Meaning == TRecordMeaning::HiveCleared) {
    return ProfileFolder(*value);
  }
  const size_t slash = value->rfind('\\');
  return slash == std::string::npos ? *value : value->substr(slash + 1);
}
