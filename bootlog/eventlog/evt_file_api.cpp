#include "bootlog/eventlog/evt_file_api.h"

#include <cstring>

#include "bootlog/eventlog/well_known_sids.h"

std::string EvtFileApi::Problem(const std::string& path) {
  TEvtFile file;
  return file.Open(path);
}

EventLogApi::Handle EvtFileApi::OpenLog(const char*) {
  CloseLog(this);
  open_ = file_.Open(path_).empty();
  if (!open_) {
    error_ = kErrorEventLogFileCorrupt;
    return nullptr;
  }
  index_ = file_.Index();
  return this;
}

bool EvtFileApi::ReadLog(Handle log, uint32_t flags, uint32_t, void* buffer, uint32_t bytesToRead,
                         uint32_t& bytesRead, uint32_t& minBytesNeeded) {
  bytesRead = minBytesNeeded = 0;
  if (log != this || !open_) {
    error_ = kErrorInvalidHandle;
    return false;
  }
  if (flags != (kEventLogSequentialRead | kEventLogBackwardsRead)) {
    error_ = kErrorInvalidParameter;
    return false;
  }
  std::vector<TEvtFile::TPlace>& records = index_.Records;
  if (next_ >= records.size()) {
    error_ = index_.Damaged ? kErrorEventLogFileCorrupt : kErrorHandleEof;
    return false;
  }
  if (records[next_].Length > bytesToRead) {
    minBytesNeeded = records[next_].Length;
    error_ = kErrorInsufficientBuffer;
    return false;
  }
  auto* out = static_cast<uint8_t*>(buffer);
  while (next_ < records.size() && records[next_].Length <= bytesToRead - bytesRead) {
    if (!file_.ReadRecord(records[next_], out + bytesRead)) {
      // Changed since it was indexed: what is left is no longer whole.
      records.resize(next_);
      index_.Damaged = true;
      break;
    }
    bytesRead += records[next_++].Length;
  }
  if (bytesRead == 0) {
    error_ = kErrorEventLogFileCorrupt;
    return false;
  }
  return true;
}

bool EvtFileApi::LookupAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                               uint32_t& domainSize) {
  return LookupWellKnownAccount(sid, name, nameSize, domain, domainSize, error_);
}

void EvtFileApi::CloseLog(Handle) {
  file_.Close();
  open_ = false;
  index_ = {};
  next_ = 0;
}
