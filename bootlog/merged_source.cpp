#include "bootlog/merged_source.h"

bool MergedEventSource::OpenSystemLog() {
  hasLog_ = hasJoined_ = false;
  if (!log_->OpenSystemLog()) {
    return false;
  }
  hasLog_ = log_->ReadNextEvent(nextLog_);
  hasJoined_ = joined_->OpenSystemLog() && joined_->ReadNextEvent(nextJoined_);
  return true;
}

bool MergedEventSource::ReadNextEvent(TLogEvent& event) {
  if (hasJoined_ && (!hasLog_ || nextJoined_.TimeGenerated >= nextLog_.TimeGenerated)) {
    event = std::move(nextJoined_);
    hasJoined_ = joined_->ReadNextEvent(nextJoined_);
    return true;
  }
  if (hasLog_) {
    event = std::move(nextLog_);
    hasLog_ = log_->ReadNextEvent(nextLog_);
    return true;
  }
  return false;
}

void MergedEventSource::DecodeDataOnlyOf(const TDataWanted& wanted) {
  log_->DecodeDataOnlyOf(wanted);
  joined_->DecodeDataOnlyOf(wanted);
}

std::string MergedEventSource::LookupUserName(const TLogEvent& event) {
  return log_->LookupUserName(event);
}

std::string MergedEventSource::LookupSidText(const std::string& sidText) {
  return log_->LookupSidText(sidText);
}
