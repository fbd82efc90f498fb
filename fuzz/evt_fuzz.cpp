// Saved System logs (.evt) of any content, read by EventLogSource over the
// file's own EventLogApi as the program reads them, and through the read
// protocol directly with buffers of many sizes. Every record served must be the
// file's own bytes at its place, and the places must run back from the newest
// through the buffer, each once.
#include <algorithm>
#include <vector>

#include "bootlog/eventlog/eventlog_source.h"
#include "bootlog/eventlog/evt_file_api.h"
#include "bootlog/little_endian.h"
#include "bootlog/reconstruct.h"
#include "bootlog/windows_sessions.h"
#include "fuzz/check.h"
#include "fuzz/input_file.h"

namespace {

using TBytes = std::vector<uint8_t>;
constexpr uint32_t kHeaderSize = 48;
constexpr uint32_t kBackwards = kEventLogSequentialRead | kEventLogBackwardsRead;

// The input as the log file it is: where its circular buffer ends, and the
// bytes of a record at its place, which must all be in the file.
struct TInput {
  const uint8_t* Data;
  size_t Size;

  uint64_t RingEnd() const {
    const uint64_t maxSize = Le32(Data + 32);
    return std::max<uint64_t>(maxSize, std::min<uint64_t>(Size, UINT32_MAX));
  }
  TBytes At(const TEvtFile::TPlace& place) const {
    const uint64_t end = RingEnd();
    FuzzCheck(
        place.Offset >= kHeaderSize && place.Offset < end && place.Length <= end - kHeaderSize,
        "record place outside the buffer");
    const uint64_t first = std::min<uint64_t>(place.Length, end - place.Offset);
    const uint64_t rest = place.Length - first;
    FuzzCheck(place.Offset + first <= Size && kHeaderSize + rest <= Size,
              "record place outside the file");
    TBytes bytes(Data + place.Offset, Data + place.Offset + first);
    bytes.insert(bytes.end(), Data + kHeaderSize, Data + kHeaderSize + rest);
    return bytes;
  }
};

// What the file's EventLogApi serves, one list of records per open.
class TRecordingApi : public EventLogApi {
 public:
  explicit TRecordingApi(EventLogApi& api) : api_(api) {}

  Handle OpenLog(const char* sourceName) override {
    sessions_.emplace_back();
    return api_.OpenLog(sourceName);
  }
  bool ReadLog(Handle log, uint32_t flags, uint32_t recordOffset, void* buffer,
               uint32_t bytesToRead, uint32_t& bytesRead, uint32_t& minBytesNeeded) override {
    const bool ok =
        api_.ReadLog(log, flags, recordOffset, buffer, bytesToRead, bytesRead, minBytesNeeded);
    if (ok) {
      Split(static_cast<const uint8_t*>(buffer), bytesRead, bytesToRead, sessions_.back());
    }
    return ok;
  }
  uint32_t LastError() override { return api_.LastError(); }
  bool LookupAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                     uint32_t& domainSize) override {
    return api_.LookupAccount(sid, name, nameSize, domain, domainSize);
  }
  void CloseLog(Handle log) override { api_.CloseLog(log); }

  // A successful read is whole records, each of the length it starts and ends with.
  static void Split(const uint8_t* bytes, uint32_t size, uint32_t room, std::vector<TBytes>& out) {
    FuzzCheck(size > 0 && size <= room, "read of no bytes or more than asked");
    for (uint32_t at = 0; at < size;) {
      FuzzCheck(size - at >= 8, "part of a record read");
      const uint32_t length = Le32(bytes + at);
      FuzzCheck(length >= 8 && length <= size - at && Le32(bytes + at + length - 4) == length,
                "read ends inside a record");
      out.emplace_back(bytes + at, bytes + at + length);
      at += length;
    }
  }

  const std::vector<std::vector<TBytes>>& Sessions() const { return sessions_; }

 private:
  EventLogApi& api_;
  std::vector<std::vector<TBytes>> sessions_;
};

// The records the file should serve, newest first, after checking that their
// places run back through the buffer from the newest, each once.
std::vector<TBytes> ExpectedRecords(const std::string& path, const TInput& input, bool& damaged) {
  TEvtFile file;
  damaged = true;
  if (!file.Open(path).empty()) {
    return {};
  }
  const TEvtFile::TIndex index = file.Index();
  damaged = index.Damaged;
  const uint64_t ring = input.RingEnd() - kHeaderSize;
  uint64_t total = 0;
  std::vector<TBytes> records;
  for (size_t i = 0; i < index.Records.size(); ++i) {
    const TEvtFile::TPlace& place = index.Records[i];
    records.push_back(input.At(place));
    total += place.Length;
    if (i > 0) {
      const TEvtFile::TPlace& newer = index.Records[i - 1];
      const uint64_t end = kHeaderSize + (place.Offset - kHeaderSize + place.Length) % ring;
      FuzzCheck(end == newer.Offset, "an older record does not end where the newer one starts");
    }
  }
  FuzzCheck(total <= ring, "records cover more than the buffer");
  return records;
}

// The protocol with buffers of many sizes: as many whole records as fit, 122
// with the next record's size when none does, then 38 or, for a damaged file, 1500.
void ReadDirectly(const std::string& path, const std::vector<TBytes>& expected, bool damaged) {
  static constexpr uint32_t kRooms[] = {56, 4096, 60, 65536, 200, 1000, 0x80000};
  EvtFileApi api(path);
  EventLogApi::Handle log = api.OpenLog("System");
  if (log == nullptr) {
    FuzzCheck(expected.empty(), "records expected from a file that does not open");
    return;
  }
  std::vector<TBytes> served;
  TBytes buffer;
  size_t calls = 0;
  for (;; ++calls) {
    // Each record is served within one turn of the buffer sizes.
    FuzzCheck(calls <= std::size(kRooms) * (expected.size() + 1), "the read does not end");
    const uint32_t room = kRooms[calls % std::size(kRooms)];
    buffer.assign(room, 0);
    uint32_t read = 0, needed = 0;
    if (api.ReadLog(log, kBackwards, 0, buffer.data(), room, read, needed)) {
      const size_t before = served.size();
      TRecordingApi::Split(buffer.data(), read, room, served);
      // Full: the next record would not have fitted.
      if (served.size() < expected.size()) {
        FuzzCheck(expected[served.size()].size() > room - read, "a read stopped with room left");
      }
      FuzzCheck(served.size() > before, "a successful read of no record");
      continue;
    }
    const uint32_t error = api.LastError();
    if (error == kErrorInsufficientBuffer) {
      FuzzCheck(served.size() < expected.size() && needed == expected[served.size()].size() &&
                    needed > room,
                "122 without the next record's size");
      if (needed > kRooms[std::size(kRooms) - 1]) {
        break;  // larger than any buffer here
      }
      continue;
    }
    FuzzCheck(error == (damaged ? kErrorEventLogFileCorrupt : kErrorHandleEof),
              "the read ends with another error", std::to_string(error));
    break;
  }
  api.CloseLog(log);
  FuzzCheck(served == expected, "the protocol served other records than the file's");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzInputFile file("System.evt");
  const std::string& path = file.Write(data, size);
  const TInput input{data, size};

  bool damaged = true;
  const std::vector<TBytes> expected = EvtFileApi::Problem(path).empty()
                                           ? ExpectedRecords(path, input, damaged)
                                           : std::vector<TBytes>{};
  ReadDirectly(path, expected, damaged);

  EvtFileApi api(path);
  TRecordingApi recording(api);
  {
    EventLogSource source(recording);
    WindowsSessionSource sessions(source);
    TBootTable table;
    // The refresh, twice: each read starts afresh from the newest record.
    ReadBootEvents(sessions, RegionalFormats{}, table);
    ReadBootEvents(sessions, RegionalFormats{}, table);
  }
  for (const std::vector<TBytes>& served : recording.Sessions()) {
    // The source stops early only at a record it cannot decode.
    FuzzCheck(served.size() <= expected.size() &&
                  std::equal(served.begin(), served.end(), expected.begin()),
              "the source was served other records than the file's");
    FuzzCheck(served == recording.Sessions().front(), "a second read served other records");
  }
  return 0;
}
