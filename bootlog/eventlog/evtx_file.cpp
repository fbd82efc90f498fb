#include "bootlog/eventlog/evtx_file.h"

#include <algorithm>
#include <cstring>

#include "bootlog/file_path.h"
#include "bootlog/little_endian.h"

namespace {

constexpr size_t kFileHeaderSize = 4096;
constexpr size_t kChunkHeaderSize = 512;
constexpr size_t kRecordHeaderSize = 24;
constexpr uint32_t kRecordSignature = 0x00002A2A;

}  // namespace

std::string TEvtxFile::Open(const std::string& path) {
  Close();
  file_.open(FilePath(path), std::ios::binary);
  if (!file_) {
    return path + ": cannot be read";
  }
  file_.seekg(0, std::ios::end);
  const std::streamoff size = file_.tellg();
  file_.seekg(0);
  char header[8];
  if (size < static_cast<std::streamoff>(kFileHeaderSize) || !file_.read(header, 8)) {
    Close();
    return path + ": not an .evtx log (shorter than its header)";
  }
  if (std::memcmp(header, "ElfFile\0", 8) != 0) {
    Close();
    return path + ": not an .evtx log (no ElfFile signature)";
  }
  fileSize_ = static_cast<uint64_t>(size);
  return {};
}

void TEvtxFile::Close() {
  file_.close();
  file_.clear();
  fileSize_ = 0;
}

void TEvtxFile::ReadChunk(const uint8_t* chunk, std::vector<TEvtxRecord>& out) {
  if (std::memcmp(chunk, "ElfChnk\0", 8) != 0) {
    return;
  }
  const uint32_t lastRecord = Le32(chunk + 44);
  const uint32_t freeSpace = Le32(chunk + 48);
  if (freeSpace < kChunkHeaderSize || freeSpace > kChunkSize || lastRecord >= freeSpace ||
      lastRecord < kChunkHeaderSize) {
    return;
  }
  size_t at = kChunkHeaderSize;
  TEvtxRecord record;
  while (at + kRecordHeaderSize + 4 <= freeSpace) {
    const uint32_t size = Le32(chunk + at + 4);
    const bool whole = Le32(chunk + at) == kRecordSignature && size >= kRecordHeaderSize + 4 &&
                       size <= freeSpace - at && Le32(chunk + at + size - 4) == size;
    if (!whole) {
      // Look for the next record after the damage; records are 8-byte aligned.
      at += 8;
      continue;
    }
    if (DecodeEvtxRecord(chunk, kChunkSize, at, size, record)) {
      out.push_back(std::move(record));
    }
    at += size;
  }
}

std::vector<TEvtxRecord> TEvtxFile::ReadAll() {
  std::vector<TEvtxRecord> records;
  if (!file_.is_open()) {
    return records;
  }
  // The header's chunk count is stale in a file that was not closed cleanly:
  // every whole chunk in the file counts.
  const uint64_t chunks = (fileSize_ - kFileHeaderSize) / kChunkSize;
  std::vector<uint8_t> chunk(kChunkSize);
  file_.clear();
  file_.seekg(static_cast<std::streamoff>(kFileHeaderSize));
  for (uint64_t i = 0; i < chunks; ++i) {
    if (!file_.read(reinterpret_cast<char*>(chunk.data()), kChunkSize)) {
      break;
    }
    ReadChunk(chunk.data(), records);
  }
  std::stable_sort(records.begin(), records.end(),
                   [](const TEvtxRecord& a, const TEvtxRecord& b) { return a.Number > b.Number; });
  // A record written twice (a chunk caught mid-write and its rewrite) counts once.
  records.erase(
      std::unique(records.begin(), records.end(),
                  [](const TEvtxRecord& a, const TEvtxRecord& b) { return a.Number == b.Number; }),
      records.end());
  return records;
}
