// Saved .evtx logs of any content: the input is one or two chunks after a
// good file header. Records must come newest first, each number once, the
// same as a reader holding every chunk's records at once would give, and
// EventLogSource must read through the read protocol exactly what the reader
// took out of the file: provider, event code, data values.
#include <algorithm>
#include <cstring>
#include <vector>

#include "bootlog/eventlog/eventlog_source.h"
#include "bootlog/eventlog/evtx_file_api.h"
#include "fuzz/check.h"
#include "fuzz/input_file.h"

namespace {

constexpr size_t kHeaderSize = 4096;
constexpr size_t kMaxChunks = 2;

std::string UpToNul(const std::string& text) {
  return text.substr(0, text.find('\0'));
}

// The file's records as a reader holding them all would give them: every
// chunk decoded whole, newest first, the first copy of a number that reads.
std::vector<TEvtxRecord> AllAtOnce(const std::vector<uint8_t>& file) {
  std::vector<TEvtxRecord> records;
  for (size_t at = kHeaderSize; at + TEvtxFile::kChunkSize <= file.size();
       at += TEvtxFile::kChunkSize) {
    TEvtxFile::ReadChunk(file.data() + at, records);
  }
  std::stable_sort(records.begin(), records.end(),
                   [](const TEvtxRecord& a, const TEvtxRecord& b) { return a.Number > b.Number; });
  records.erase(
      std::unique(records.begin(), records.end(),
                  [](const TEvtxRecord& a, const TEvtxRecord& b) { return a.Number == b.Number; }),
      records.end());
  return records;
}

bool Same(const TEvtxRecord& a, const TEvtxRecord& b) {
  return a.Number == b.Number && a.Written == b.Written && a.Created == b.Created &&
         a.Provider == b.Provider && a.EventId == b.EventId && a.Sid == b.Sid &&
         a.Computer == b.Computer && a.Values == b.Values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzInputFile input("System.evtx");
  if (size > kMaxChunks * TEvtxFile::kChunkSize) {
    return 0;
  }
  std::vector<uint8_t> file(kHeaderSize, 0);
  std::memcpy(file.data(), "ElfFile", 8);
  file.insert(file.end(), data, data + size);
  // A part of a chunk at the end is no chunk; fill it so that the input is read.
  file.resize(kHeaderSize + (size + TEvtxFile::kChunkSize - 1) / TEvtxFile::kChunkSize *
                                TEvtxFile::kChunkSize,
              0);
  const std::string& path = input.Write(file.data(), file.size());

  TEvtxFile evtx;
  FuzzCheck(evtx.Open(path).empty(), "a file with a good header was refused");
  const std::vector<TEvtxRecord> records = evtx.ReadAll();
  for (size_t i = 1; i < records.size(); ++i) {
    FuzzCheck(records[i].Number < records[i - 1].Number, "records not newest first, once each");
  }
  const std::vector<TEvtxRecord> oracle = AllAtOnce(file);
  FuzzCheck(records.size() == oracle.size() &&
                std::equal(records.begin(), records.end(), oracle.begin(), Same),
            "a chunk at a time reads other records than all at once");

  EvtxFileApi api(path);
  EventLogSource source(api, TUnnamedAccount::kSidText);
  FuzzCheck(source.OpenSystemLog(), "the log did not open");
  TLogEvent event;
  size_t n = 0;
  while (source.ReadNextEvent(event)) {
    FuzzCheck(n < records.size(), "more events than records");
    const TEvtxRecord& r = records[n++];
    FuzzCheck(event.EventCode == r.EventId, "event code differs");
    FuzzCheck(event.SourceName == UpToNul(r.Provider), "source name differs");
    FuzzCheck(event.Strings.size() <= r.Values.size(), "more strings than values");
    for (size_t i = 0; i < event.Strings.size(); ++i) {
      FuzzCheck(event.Strings[i] == UpToNul(r.Values[i]), "string differs from its value");
    }
    (void)source.LookupUserName(event);
    for (const std::string& s : event.Strings) {
      (void)source.LookupSidText(s);
    }
  }
  FuzzCheck(n == records.size(), "fewer events than records");
  return 0;
}
