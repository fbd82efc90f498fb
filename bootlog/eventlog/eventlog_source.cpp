#include "bootlog/eventlog/eventlog_source.h"

#include "bootlog/eventlog/eventlog_record.h"
#include "bootlog/eventlog/sid_text.h"

namespace {

constexpr uint32_t kFirstRequest = eventlog_record::kFixedSize;
// A real record is at most 0x7FFFF bytes; a service asking for more, or asking
// again and again, is treated like the end of the log instead of looping.
constexpr uint32_t kLargestRecord = 0x80000;
constexpr int kMaxResizes = 8;
constexpr uint32_t kNameChars = 261;

}  // namespace

EventLogSource::~EventLogSource() {
  End();
}

void EventLogSource::End() {
  buffer_.clear();
  buffer_.shrink_to_fit();
  if (log_) {
    api_.CloseLog(log_);
  }
  log_ = nullptr;
}

bool EventLogSource::OpenSystemLog() {
  End();
  namesBySid_.clear();
  namesBySidText_.clear();
  log_ = api_.OpenLog("System");
  buffer_.assign(kFirstRequest, 0);
  request_ = kFirstRequest;
  return log_ != nullptr;
}

bool EventLogSource::ReadNextEvent(TLogEvent& event) {
  if (!log_) {
    return false;
  }
  for (int resizes = 0; resizes <= kMaxResizes; ++resizes) {
    uint32_t bytesRead = 0, bytesNeeded = 0;
    if (api_.ReadLog(log_, kEventLogSequentialRead | kEventLogBackwardsRead, 0, buffer_.data(),
                     request_, bytesRead, bytesNeeded)) {
      const size_t size = bytesRead < request_ ? bytesRead : request_;
      request_ = kFirstRequest;
      if (!DecodeEventLogRecord(buffer_.data(), size, event, wanted_ ? &*wanted_ : nullptr,
                                &spareStrings_)) {
        break;
      }
      return true;
    }
    if (api_.LastError() != kErrorInsufficientBuffer || bytesNeeded < kFirstRequest ||
        bytesNeeded > kLargestRecord) {
      break;
    }
    // Grown, never shrunk or cleared: the service fills what it says it read.
    if (buffer_.size() < bytesNeeded) {
      buffer_.resize(bytesNeeded);
    }
    request_ = bytesNeeded;
  }
  End();
  return false;
}

std::string EventLogSource::AccountName(const std::string& sid) {
  auto [known, fresh] = namesBySid_.try_emplace(sid);
  if (fresh) {
    known->second = AskAccountName(sid);
  }
  return known->second;
}

std::string EventLogSource::AskAccountName(const std::string& sid) {
  char name[kNameChars] = {}, domain[kNameChars] = {};
  uint32_t nameSize = kNameChars, domainSize = kNameChars;
  if (!api_.LookupAccount(sid.data(), name, nameSize, domain, domainSize)) {
    if (unnamed_ == TUnnamedAccount::kSidText) {
      const std::string text = SidText(reinterpret_cast<const uint8_t*>(sid.data()), sid.size());
      return text.empty() ? kUnknownUserName : text;
    }
    return kUnknownUserName;
  }
  name[kNameChars - 1] = '\0';
  return name;
}

std::string EventLogSource::LookupUserName(const TLogEvent& event) {
  const size_t length = event.HasUserSid ? ValidSidLength(event.UserSid) : 0;
  if (length == 0) {
    return kUnknownUserName;
  }
  return AccountName(event.UserSid.substr(0, length));
}

std::string EventLogSource::LookupSidText(const std::string& sidText) {
  auto [known, fresh] = namesBySidText_.try_emplace(sidText);
  if (fresh) {
    const std::string sid = SidFromText(sidText);
    known->second = sid.empty() ? kUnknownUserName : AccountName(sid);
  }
  return known->second;
}
