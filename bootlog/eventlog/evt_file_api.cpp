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
  std::string account, where;
  if (!WellKnownAccount(static_cast<const uint8_t*>(sid), account, where)) {
    error_ = kErrorNoneMapped;
    return false;
  }
  if (account.size() >= nameSize || where.size() >= domainSize) {
    nameSize = static_cast<uint32_t>(account.size() + 1);
    domainSize = static_cast<uint32_t>(where.size() + 1);
    error_ = kErrorInsufficientBuffer;
    return false;
  }
  std::memcpy(name, account.c_str(), account.size() + 1);
  std::memcpy(domain, where.c_str(), where.size() + 1);
  nameSize = static_cast<uint32_t>(account.size());
  domainSize = static_cast<uint32_t>(where.size());
  return true;
}

void EvtFileApi::CloseLog(Handle) {
  file_.Close();
  open_ = false;
  index_ = {};
  next_ = 0;
}
