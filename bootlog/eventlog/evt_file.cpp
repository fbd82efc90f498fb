#include "bootlog/eventlog/evt_file.h"

#include <algorithm>
#include <cstring>

#include "bootlog/file_path.h"
#include "bootlog/little_endian.h"

namespace {

constexpr uint64_t kHeaderSize = 0x30;
constexpr uint32_t kSignature = 0x654C664C;  // "LfLe"
constexpr uint64_t kEndRecordSize = 0x28;
constexpr uint32_t kEndMarks[4] = {0x11111111, 0x22222222, 0x33333333, 0x44444444};
// The fixed part of a record and its trailing length: no record is shorter.
constexpr uint32_t kSmallestRecord = 56 + 4;
constexpr uint64_t kBlockSize = 64 * 1024;

}  // namespace

std::string TEvtFile::Open(const std::string& path) {
  Close();
  file_.open(FilePath(path), std::ios::binary);
  if (!file_) {
    return path + ": cannot be read";
  }
  file_.seekg(0, std::ios::end);
  const std::streamoff size = file_.tellg();
  uint8_t header[kHeaderSize];
  file_.seekg(0);
  if (size < static_cast<std::streamoff>(kHeaderSize) ||
      !file_.read(reinterpret_cast<char*>(header), kHeaderSize)) {
    Close();
    return path + ": not an event log (shorter than its header)";
  }
  if (Le32(header + 4) != kSignature) {
    Close();
    return path + ": not an event log (no LfLe signature)";
  }
  const uint32_t maxSize = Le32(header + 32);
  if (Le32(header) != kHeaderSize || Le32(header + 44) != kHeaderSize ||
      maxSize < kHeaderSize + kEndRecordSize) {
    Close();
    return path + ": not an event log (bad header sizes)";
  }
  fileSize_ = static_cast<uint64_t>(size);
  // A cut file is shorter than the log; a log grown since its header was written, longer.
  ringEnd_ = std::max<uint64_t>(maxSize, std::min<uint64_t>(fileSize_, UINT32_MAX));
  headerStart_ = Le32(header + 16);
  headerEnd_ = Le32(header + 20);
  return {};
}

void TEvtFile::Close() {
  file_.close();
  file_.clear();
  fileSize_ = ringEnd_ = 0;
  blockSize_ = 0;
}

bool TEvtFile::ReadLinear(uint64_t offset, uint64_t size, uint8_t* out) {
  if (offset > fileSize_ || size > fileSize_ - offset) {
    return false;
  }
  while (size > 0) {
    if (offset < blockOffset_ || offset >= blockOffset_ + blockSize_) {
      blockOffset_ = offset / kBlockSize * kBlockSize;
      blockSize_ = std::min(kBlockSize, fileSize_ - blockOffset_);
      block_.resize(kBlockSize);
      file_.clear();
      file_.seekg(static_cast<std::streamoff>(blockOffset_));
      if (!file_.read(reinterpret_cast<char*>(block_.data()),
                      static_cast<std::streamsize>(blockSize_))) {
        blockSize_ = 0;
        return false;
      }
    }
    const uint64_t n = std::min(size, blockOffset_ + blockSize_ - offset);
    std::memcpy(out, block_.data() + (offset - blockOffset_), n);
    out += n;
    offset += n;
    size -= n;
  }
  return true;
}

bool TEvtFile::ReadRing(uint64_t offset, uint64_t size, uint8_t* out) {
  if (offset < kHeaderSize || offset >= ringEnd_ || size > ringEnd_ - kHeaderSize) {
    return false;
  }
  const uint64_t first = std::min(size, ringEnd_ - offset);
  return ReadLinear(offset, first, out) && ReadLinear(kHeaderSize, size - first, out + first);
}

bool TEvtFile::ReadWord(uint64_t offset, uint32_t& value) {
  uint8_t bytes[4];
  if (!ReadRing(offset, 4, bytes)) {
    return false;
  }
  value = Le32(bytes);
  return true;
}

uint64_t TEvtFile::Forward(uint64_t offset, uint64_t distance) const {
  const uint64_t ring = ringEnd_ - kHeaderSize;
  return kHeaderSize + (offset - kHeaderSize + distance % ring) % ring;
}

uint64_t TEvtFile::Backward(uint64_t offset, uint64_t distance) const {
  const uint64_t ring = ringEnd_ - kHeaderSize;
  return Forward(offset, ring - distance % ring);
}

bool TEvtFile::IsPresent(uint64_t offset, uint64_t size) const {
  const uint64_t first = std::min(size, ringEnd_ - offset);
  return offset + first <= fileSize_ && kHeaderSize + (size - first) <= fileSize_;
}

bool TEvtFile::IsRecordAt(uint64_t offset, uint64_t maxLength, uint32_t& length) {
  uint32_t signature = 0, trailing = 0;
  // Lengths and signature can be in the file while a cut took the middle.
  return ReadWord(offset, length) && length >= kSmallestRecord && length <= maxLength &&
         ReadWord(Forward(offset, 4), signature) && signature == kSignature &&
         ReadWord(Forward(offset, length - 4), trailing) && trailing == length &&
         IsPresent(offset, length);
}

bool TEvtFile::FindEndRecord(uint64_t& at, uint64_t& oldest) {
  // Look first where the header says, then on through the buffer once; only
  // where the file has bytes (a log can claim to be far larger than its file).
  const uint64_t present = std::min(ringEnd_, fileSize_);
  const uint64_t start =
      headerEnd_ >= kHeaderSize && headerEnd_ < present ? headerEnd_ : kHeaderSize;
  const uint64_t steps = present > kHeaderSize ? present - kHeaderSize : 0;
  for (uint64_t step = 0; step < steps; ++step) {
    const uint64_t candidate = start + step < present ? start + step : start + step - steps;
    uint32_t mark = 0;
    if (!ReadWord(Forward(candidate, 4), mark) || mark != kEndMarks[0]) {
      continue;
    }
    uint8_t r[kEndRecordSize];
    if (!ReadRing(candidate, kEndRecordSize, r) || Le32(r) != kEndRecordSize ||
        Le32(r + 36) != kEndRecordSize || Le32(r + 24) != candidate) {
      continue;
    }
    if (Le32(r + 8) != kEndMarks[1] || Le32(r + 12) != kEndMarks[2] ||
        Le32(r + 16) != kEndMarks[3] || Le32(r + 20) < kHeaderSize || Le32(r + 20) >= ringEnd_) {
      continue;
    }
    at = candidate;
    oldest = Le32(r + 20);
    return true;
  }
  return false;
}

TEvtFile::TIndex TEvtFile::Index() {
  TIndex index;
  if (!file_.is_open()) {
    index.Damaged = true;
    return index;
  }
  const uint64_t ring = ringEnd_ - kHeaderSize;
  uint64_t end = 0, oldest = 0;
  if (FindEndRecord(end, oldest)) {
    // Back from the newest record; the records fill the buffer from the oldest to the end record.
    uint64_t left = (end + ring - oldest) % ring;
    uint64_t at = end;
    while (left > 0) {
      uint32_t trailing = 0, length = 0;
      if (!ReadWord(Backward(at, 4), trailing) || trailing < kSmallestRecord || trailing > left ||
          !IsRecordAt(Backward(at, trailing), left, length) || length != trailing) {
        index.Damaged = true;
        break;
      }
      at = Backward(at, length);
      index.Records.push_back({static_cast<uint32_t>(at), length});
      left -= length;
    }
    return index;
  }
  // No end record (a cut or overwritten file): the whole records from the oldest on.
  index.Damaged = true;
  uint64_t at = headerStart_ >= kHeaderSize && headerStart_ < ringEnd_ ? headerStart_ : kHeaderSize;
  uint64_t left = ring;
  uint32_t length = 0;
  while (left >= kSmallestRecord && IsRecordAt(at, left, length)) {
    index.Records.push_back({static_cast<uint32_t>(at), length});
    at = Forward(at, length);
    left -= length;
  }
  std::reverse(index.Records.begin(), index.Records.end());
  return index;
}

bool TEvtFile::ReadRecord(const TPlace& place, uint8_t* out) {
  return ReadRing(place.Offset, place.Length, out) && Le32(out) == place.Length &&
         Le32(out + 4) == kSignature;
}
