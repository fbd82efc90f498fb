#pragma once

#include "bootlog/eventlog/eventlog_api.h"

// The real advapi32 event log and account calls.
class AdvapiEventLogApi : public EventLogApi {
 public:
  Handle OpenLog(const char* sourceName) override;
  bool ReadLog(Handle log, uint32_t flags, uint32_t recordOffset, void* buffer,
               uint32_t bytesToRead, uint32_t& bytesRead, uint32_t& minBytesNeeded) override;
  uint32_t LastError() override;
  bool LookupAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                     uint32_t& domainSize) override;
  void CloseLog(Handle log) override;
};
