#pragma once

#include <cstdint>

// The advapi32 calls the System log source relies on, replaceable so that the
// read protocol can run against a fake log service on any platform.
class EventLogApi {
 public:
  using Handle = void*;
  virtual ~EventLogApi() = default;
  virtual Handle OpenLog(const char* sourceName) = 0;  // nullptr on failure
  virtual bool ReadLog(Handle log, uint32_t flags, uint32_t recordOffset, void* buffer,
                       uint32_t bytesToRead, uint32_t& bytesRead, uint32_t& minBytesNeeded) = 0;
  virtual uint32_t LastError() = 0;
  // Buffer sizes in, characters written (or needed) out, like LookupAccountSidA.
  virtual bool LookupAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                             uint32_t& domainSize) = 0;
  virtual void CloseLog(Handle log) = 0;
};

constexpr uint32_t kEventLogSequentialRead = 0x0001;
constexpr uint32_t kEventLogBackwardsRead = 0x0008;
constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kErrorHandleEof = 38;
constexpr uint32_t kErrorInvalidParameter = 87;
constexpr uint32_t kErrorInsufficientBuffer = 122;
constexpr uint32_t kErrorNoneMapped = 1332;
constexpr uint32_t kErrorEventLogFileCorrupt = 1500;
