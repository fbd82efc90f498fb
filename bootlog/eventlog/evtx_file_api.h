#pragma once

#include <string>
#include <vector>

#include "bootlog/eventlog/evtx_file.h"
#include "bootlog/eventlog/log_file_api.h"

// A saved .evtx log answering as the event log service answers ReadEventLogA
// on today's Windows: EVENTLOGRECORDs newest first, the provider as the
// source name, the event identifier with its qualifiers in the high 16 bits,
// the record's SID, and the data values as insertion strings in the ANSI code
// page.
class EvtxFileApi : public LogFileApi {
 public:
  explicit EvtxFileApi(std::string path) : path_(std::move(path)) {}

  // Empty when the file has an .evtx header, else why not, naming the file.
  static std::string Problem(const std::string& path);

  // One record as ReadEventLogA gives it. Served so, a saved log reaches the
  // session rules by the very path of this computer's own log on Windows,
  // which serves .evtx logs to ReadEventLogA the same way: that path then
  // runs on real logs here and under Wine.
  std::vector<uint8_t> EventLogRecord(const TEvtxRecord& record) const;

 protected:
  bool Load() override;
  void Unload() override;
  bool Serve(uint8_t* out, uint32_t bytesToRead, uint32_t& bytesRead,
             uint32_t& minBytesNeeded) override;
  // The file's UTF-8 texts as the ANSI API gives them; this platform's own
  // code page where it has one.
  virtual std::string Ansi(const std::string& utf8) const { return utf8; }

 private:
  std::string path_;
  TEvtxFile file_;
  TEvtxRecord record_;
  std::vector<uint8_t> pending_;  // the next record, built; empty when none is read
};
