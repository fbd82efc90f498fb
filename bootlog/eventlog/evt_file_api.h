#pragma once

#include <string>

#include "bootlog/eventlog/eventlog_api.h"
#include "bootlog/eventlog/evt_file.h"

constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kErrorInvalidParameter = 87;
constexpr uint32_t kErrorNoneMapped = 1332;
constexpr uint32_t kErrorEventLogFileCorrupt = 1500;

// A saved System log (.evt) answering the read protocol as the event log
// service answers a sequential backwards read: as many whole records as the
// buffer holds, newest first; 122 with the size of the next record when it
// holds none; 38 at the end. A damaged or cut file serves its whole records,
// then fails with 1500, which ends the read like any other error. Records are
// served as the file stores them.
class EvtFileApi : public EventLogApi {
 public:
  explicit EvtFileApi(std::string path) : path_(std::move(path)) {}

  // Empty when the file has an event log header, else why not, naming the file.
  static std::string Problem(const std::string& path);

  // The file, whatever the log name; nullptr when it has no event log header.
  Handle OpenLog(const char* sourceName) override;
  bool ReadLog(Handle log, uint32_t flags, uint32_t recordOffset, void* buffer,
               uint32_t bytesToRead, uint32_t& bytesRead, uint32_t& minBytesNeeded) override;
  uint32_t LastError() override { return error_; }
  // Only the well-known accounts: the file's own computer is not at hand.
  bool LookupAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                     uint32_t& domainSize) override;
  void CloseLog(Handle log) override;

 private:
  std::string path_;
  TEvtFile file_;
  bool open_ = false;
  TEvtFile::TIndex index_;
  size_t next_ = 0;
  uint32_t error_ = 0;
};
