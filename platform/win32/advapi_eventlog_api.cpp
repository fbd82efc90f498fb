#include "platform/win32/advapi_eventlog_api.h"

#include <windows.h>

EventLogApi::Handle AdvapiEventLogApi::OpenLog(const char* sourceName) {
  return OpenEventLogA(nullptr, sourceName);
}

bool AdvapiEventLogApi::ReadLog(Handle log, uint32_t flags, uint32_t recordOffset, void* buffer,
                                uint32_t bytesToRead, uint32_t& bytesRead,
                                uint32_t& minBytesNeeded) {
  DWORD read = 0, needed = 0;
  const BOOL ok = ReadEventLogA(log, flags, recordOffset, buffer, bytesToRead, &read, &needed);
  bytesRead = read;
  minBytesNeeded = needed;
  return ok != FALSE;
}

uint32_t AdvapiEventLogApi::LastError() {
  return GetLastError();
}

bool AdvapiEventLogApi::LookupAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                                      uint32_t& domainSize) {
  DWORD nameChars = nameSize, domainChars = domainSize;
  SID_NAME_USE use;
  const BOOL ok = LookupAccountSidA(nullptr, const_cast<PSID>(sid), name, &nameChars, domain,
                                    &domainChars, &use);
  nameSize = nameChars;
  domainSize = domainChars;
  return ok != FALSE;
}

void AdvapiEventLogApi::CloseLog(Handle log) {
  ::CloseEventLog(log);
}
