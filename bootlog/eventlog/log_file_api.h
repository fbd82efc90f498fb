#pragma once

#include "bootlog/eventlog/eventlog_api.h"

// A log saved to a file, answering the read protocol as the event log service
// answers a sequential backwards read: as many whole records as the buffer
// holds, newest first; 122 with the size of the next record when it holds
// none; 38 at the end. A file that is not a log of its kind fails to open with
// 1500. Only the well-known accounts are named: the file's own computer is not
// at hand.
class LogFileApi : public EventLogApi {
 public:
  // The file, whatever the log name.
  Handle OpenLog(const char* sourceName) final;
  bool ReadLog(Handle log, uint32_t flags, uint32_t recordOffset, void* buffer,
               uint32_t bytesToRead, uint32_t& bytesRead, uint32_t& minBytesNeeded) final;
  uint32_t LastError() final { return error_; }
  bool LookupAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                     uint32_t& domainSize) override;
  void CloseLog(Handle log) final;

 protected:
  // False when the file is not a log of this kind.
  virtual bool Load() = 0;
  virtual void Unload() = 0;
  // The next records into `out`, answered as ReadLog answers, its handle and
  // flags already checked; `bytesRead` and `minBytesNeeded` come in as 0.
  virtual bool Serve(uint8_t* out, uint32_t bytesToRead, uint32_t& bytesRead,
                     uint32_t& minBytesNeeded) = 0;

  uint32_t error_ = 0;

 private:
  bool open_ = false;
};
