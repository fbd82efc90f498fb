#include "bootlog/merged_source.h"

bool MergedEventSource::Open() {
  hasLog_ = hasJoined_ = false;
  if (!log_->Open()) {
    return false;
  }
  hasLog_ = log_->Next(nextLog_);
  hasJoined_ = joined_->Open() && joined_->Next(nextJoined_);
  return true;
}

bool MergedEventSource::Next(TSessionEvent& event) {
  if (hasJoined_ && (!hasLog_ || nextJoined_.PlaceUtc() >= nextLog_.PlaceUtc())) {
    event = std::move(nextJoined_);
    hasJoined_ = joined_->Next(nextJoined_);
    return true;
  }
  if (hasLog_) {
    event = std::move(nextLog_);
    hasLog_ = log_->Next(nextLog_);
    return true;
  }
  return false;
}
