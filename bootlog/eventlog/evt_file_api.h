#pragma once

#include <string>

#include "bootlog/eventlog/evt_file.h"
#include "bootlog/eventlog/log_file_api.h"

// A saved System log (.evt). A damaged or cut file serves its whole records,
// then fails with 1500, which ends the read like any other error. Records are
// served as the file stores them.
class EvtFileApi : public LogFileApi {
 public:
  explicit EvtFileApi(std::string path) : path_(std::move(path)) {}

  // Empty when the file has an event log header, else why not, naming the file.
  static std::string Problem(const std::string& path);

 protected:
  bool Load() override;
  void Unload() override;
  bool Serve(uint8_t* out, uint32_t bytesToRead, uint32_t& bytesRead,
             uint32_t& minBytesNeeded) override;

 private:
  std::string path_;
  TEvtFile file_;
  TEvtFile::TIndex index_;
  size_t next_ = 0;
};
