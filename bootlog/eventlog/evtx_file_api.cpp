#include "bootlog/eventlog/evtx_file_api.h"

#include <algorithm>
#include <cstring>

#include "bootlog/eventlog/eventlog_record.h"

namespace {

constexpr uint32_t kEventLogSignature = 0x654C664C;  // "LfLe"
constexpr uint64_t kFileTime1970 = 116444736000000000ULL;

uint32_t UnixSeconds(uint64_t fileTime) {
  if (fileTime < kFileTime1970) {
    return 0;
  }
  const uint64_t seconds = (fileTime - kFileTime1970) / 10000000;
  return seconds > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(seconds);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    out[at + i] = static_cast<uint8_t>(value >> (8 * i));
  }
}

void Put16(std::vector<uint8_t>& out, size_t at, uint16_t value) {
  out[at] = static_cast<uint8_t>(value);
  out[at + 1] = static_cast<uint8_t>(value >> 8);
}

void AppendText(std::vector<uint8_t>& out, const std::string& text) {
  // Texts end at their first NUL, as the service's do.
  out.insert(out.end(), text.begin(), std::find(text.begin(), text.end(), '\0'));
  out.push_back(0);
}

// The service answers at most 0x7FFFF bytes a record; longer data is cut.
constexpr size_t kLargestRecord = 0x7FFF0;

}  // namespace

std::string EvtxFileApi::Problem(const std::string& path) {
  TEvtxFile file;
  return file.Open(path);
}

std::vector<uint8_t> EvtxFileApi::EventLogRecord(const TEvtxRecord& record) const {
  using namespace eventlog_record;
  std::vector<uint8_t> out(kFixedSize, 0);
  Put32(out, 4, kEventLogSignature);
  Put32(out, 8, static_cast<uint32_t>(record.Number));
  Put32(out, kTimeGenerated, UnixSeconds(record.Created));
  Put32(out, 16, UnixSeconds(record.Written));
  const uint32_t qualifiers = record.HasQualifiers ? record.Qualifiers : 0;
  Put32(out, kEventId, qualifiers << 16 | record.EventId);
  AppendText(out, Ansi(record.Provider));
  AppendText(out, Ansi(record.Computer));
  out.resize((out.size() + 3) & ~size_t(3), 0);
  const size_t sidLength = ValidSidLength(record.Sid);
  if (sidLength != 0) {
    Put32(out, kUserSidLength, static_cast<uint32_t>(sidLength));
    Put32(out, kUserSidOffset, static_cast<uint32_t>(out.size()));
    out.insert(out.end(), record.Sid.begin(), record.Sid.begin() + sidLength);
  }
  Put32(out, kStringOffset, static_cast<uint32_t>(out.size()));
  uint16_t strings = 0;
  for (const std::string& value : record.Values) {
    const std::string text = Ansi(value);
    if (strings == UINT16_MAX || out.size() + text.size() + 1 > kLargestRecord) {
      break;
    }
    AppendText(out, text);
    ++strings;
  }
  Put16(out, kNumStrings, strings);
  Put32(out, kDataOffset, static_cast<uint32_t>(out.size()));
  out.resize((out.size() + 3) & ~size_t(3), 0);
  out.resize(out.size() + 4);
  Put32(out, 0, static_cast<uint32_t>(out.size()));
  Put32(out, out.size() - 4, static_cast<uint32_t>(out.size()));
  return out;
}

bool EvtxFileApi::Load() {
  pending_.clear();
  return file_.Open(path_).empty() && file_.Rewind();
}

void EvtxFileApi::Unload() {
  file_.Close();
  pending_.clear();
  pending_.shrink_to_fit();
}

bool EvtxFileApi::Serve(uint8_t* out, uint32_t bytesToRead, uint32_t& bytesRead,
                        uint32_t& minBytesNeeded) {
  while (!pending_.empty() || file_.Next(record_)) {
    if (pending_.empty()) {
      pending_ = EventLogRecord(record_);
    }
    if (pending_.size() > bytesToRead - bytesRead) {
      break;
    }
    std::memcpy(out + bytesRead, pending_.data(), pending_.size());
    bytesRead += static_cast<uint32_t>(pending_.size());
    pending_.clear();
  }
  if (bytesRead != 0) {
    return true;
  }
  if (pending_.empty()) {
    error_ = kErrorHandleEof;
  } else {
    minBytesNeeded = static_cast<uint32_t>(pending_.size());
    error_ = kErrorInsufficientBuffer;
  }
  return false;
}
