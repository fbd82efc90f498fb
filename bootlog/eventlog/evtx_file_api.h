#pragma once

#include <string>
#include <vector>

#include "bootlog/eventlog/eventlog_api.h"
#include "bootlog/eventlog/evtx_file.h"

// A saved .evtx log answering the read protocol as the event log service
// answers ReadEventLogA on today's Windows: EVENTLOGRECORDs newest first, the
// provider as the source name, the event identifier with its qualifiers in
// the high 16 bits, the record's SID, and the data values as insertion
// strings in the ANSI code page. Sizes and errors as EvtFileApi's.
class EvtxFileApi : public EventLogApi {
 public:
  explicit EvtxFileApi(std::string path) : path_(std::move(path)) {}

  // Empty when the file has an .evtx header, else why not, naming the file.
  static std::string Problem(const std::string& path);

  Handle OpenLog(const char* sourceName) override;
  bool ReadLog(Handle log, uint32_t flags, uint32_t recordOffset, void* buffer,
               uint32_t bytesToRead, uint32_t& bytesRead, uint32_t& minBytesNeeded) override;
  uint32_t LastError() override { return error_; }
  // Only the well-known accounts: the file's own computer is not at hand.
  bool LookupAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                     uint32_t& domainSize) override;
  void CloseLog(Handle log) override;

  // One record as ReadEventLogA gives it.
  std::vector<uint8_t> EventLogRecord(const TEvtxRecord& record) const;

 protected:
  // The file's UTF-8 texts as the ANSI API gives them; this platform's own
  // code page where it has one.
  virtual std::string Ansi(const std::string& utf8) const { return utf8; }

 private:
  std::string path_;
  bool open_ = false;
  std::vector<TEvtxRecord> records_;
  size_t next_ = 0;
  std::vector<uint8_t> pending_;  // records_[next_], built
  uint32_t error_ = 0;
};
