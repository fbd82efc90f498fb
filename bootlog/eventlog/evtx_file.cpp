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
  places_.clear();
  places_.shrink_to_fit();
  next_ = 0;
  loaded_ = -1;
}

namespace {

// Calls take(offset, size) for each whole record of a chunk, in its order.
template <class Take>
void ForEachRecord(const uint8_t* chunk, Take take) {
  if (std::memcmp(chunk, "ElfChnk\0", 8) != 0) {
    return;
  }
  const uint32_t lastRecord = Le32(chunk + 44);
  const uint32_t freeSpace = Le32(chunk + 48);
  if (freeSpace < kChunkHeaderSize || freeSpace > TEvtxFile::kChunkSize ||
      lastRecord >= freeSpace || lastRecord < kChunkHeaderSize) {
    return;
  }
  size_t at = kChunkHeaderSize;
  while (at + kRecordHeaderSize + 4 <= freeSpace) {
    const uint32_t size = Le32(chunk + at + 4);
    const bool whole = Le32(chunk + at) == kRecordSignature && size >= kRecordHeaderSize + 4 &&
                       size <= freeSpace - at && Le32(chunk + at + size - 4) == size;
    if (!whole) {
      // Look for the next record after the damage; records are 8-byte aligned.
      at += 8;
      continue;
    }
    take(at, size);
    at += size;
  }
}

}  // namespace

void TEvtxFile::ReadChunk(const uint8_t* chunk, std::vector<TEvtxRecord>& out) {
  TEvtxRecord record;
  ForEachRecord(chunk, [&](size_t at, size_t size) {
    if (DecodeEvtxRecord(chunk, kChunkSize, at, size, record)) {
      out.push_back(std::move(record));
    }
  });
}

bool TEvtxFile::LoadChunk(uint32_t chunk) {
  if (loaded_ == chunk) {
    return true;
  }
  chunk_.resize(kChunkSize);
  file_.clear();
  file_.seekg(static_cast<std::streamoff>(kFileHeaderSize + uint64_t{chunk} * kChunkSize));
  loaded_ = file_.read(reinterpret_cast<char*>(chunk_.data()), kChunkSize) ? chunk : -1;
  return loaded_ == chunk;
}

bool TEvtxFile::Rewind() {
  places_.clear();
  next_ = 0;
  loaded_ = -1;
  if (!file_.is_open()) {
    return false;
  }
  // The header's chunk count is stale in a file that was not closed cleanly:
  // every whole chunk in the file counts.
  const uint64_t chunks =
      std::min<uint64_t>((fileSize_ - kFileHeaderSize) / kChunkSize, UINT32_MAX);
  for (uint32_t i = 0; i < chunks && LoadChunk(i); ++i) {
    ForEachRecord(chunk_.data(), [&](size_t at, size_t size) {
      places_.push_back({Le64(chunk_.data() + at + 8), i, static_cast<uint16_t>(at),
                         static_cast<uint16_t>(size)});
    });
  }
  std::stable_sort(places_.begin(), places_.end(),
                   [](const TPlace& a, const TPlace& b) { return a.Number > b.Number; });
  return true;
}

bool TEvtxFile::Next(TEvtxRecord& record) {
  while (next_ < places_.size()) {
    const TPlace place = places_[next_++];
    if (!LoadChunk(place.Chunk) ||
        !DecodeEvtxRecord(chunk_.data(), kChunkSize, place.Offset, place.Size, record)) {
      continue;
    }
    // A record written twice (a chunk caught mid-write and its rewrite)
    // counts once: the first copy that reads.
    while (next_ < places_.size() && places_[next_].Number == place.Number) {
      ++next_;
    }
    return true;
  }
  return false;
}

std::vector<TEvtxRecord> TEvtxFile::ReadAll() {
  std::vector<TEvtxRecord> records;
  TEvtxRecord record;
  if (Rewind()) {
    while (Next(record)) {
      records.push_back(std::move(record));
    }
  }
  return records;
}
