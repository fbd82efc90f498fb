#include "bootlog/eventlog/evt_file_api.h"

std::string EvtFileApi::Problem(const std::string& path) {
  TEvtFile file;
  return file.Open(path);
}

bool EvtFileApi::Load() {
  if (!file_.Open(path_).empty()) {
    return false;
  }
  index_ = file_.Index();
  return true;
}

void EvtFileApi::Unload() {
  file_.Close();
  index_ = {};
  next_ = 0;
}

bool EvtFileApi::Serve(uint8_t* out, uint32_t bytesToRead, uint32_t& bytesRead,
                       uint32_t& minBytesNeeded) {
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
