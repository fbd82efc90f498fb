#include "bootlog/eventlog/log_file_api.h"

#include "bootlog/eventlog/well_known_sids.h"

EventLogApi::Handle LogFileApi::OpenLog(const char*) {
  CloseLog(this);
  open_ = Load();
  if (!open_) {
    Unload();
    error_ = kErrorEventLogFileCorrupt;
    return nullptr;
  }
  return this;
}

bool LogFileApi::ReadLog(Handle log, uint32_t flags, uint32_t, void* buffer, uint32_t bytesToRead,
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
  return Serve(static_cast<uint8_t*>(buffer), bytesToRead, bytesRead, minBytesNeeded);
}

bool LogFileApi::LookupAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                               uint32_t& domainSize) {
  return LookupWellKnownAccount(sid, name, nameSize, domain, domainSize, error_);
}

void LogFileApi::CloseLog(Handle) {
  open_ = false;
  Unload();
}
