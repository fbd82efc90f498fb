#include "bootlog/wtmp_source.h"

#include <filesystem>

#include "bootlog/file_path.h"
#include "bootlog/wtmp_record.h"

namespace {

constexpr uint64_t kBlockRecords = 512;

}  // namespace

bool WtmpEventSource::OpenFileFrom(size_t first) {
  for (file_ = first; file_ < files_.size(); ++file_) {
    in_.close();
    in_.clear();
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(FilePath(files_[file_]), error);
    if (error || size < wtmp_record::kSize) {
      continue;
    }
    in_.open(FilePath(files_[file_]), std::ios::binary);
    if (in_.is_open()) {
      unread_ = size / wtmp_record::kSize;
      return true;
    }
  }
  in_.close();
  unread_ = 0;
  return false;
}

bool WtmpEventSource::Open() {
  inBlock_ = 0;
  return OpenFileFrom(0);
}

bool WtmpEventSource::ReadBlock() {
  if (unread_ == 0 && !OpenFileFrom(file_ + 1)) {
    return false;
  }
  const uint64_t count = unread_ < kBlockRecords ? unread_ : kBlockRecords;
  unread_ -= count;
  const size_t bytes = static_cast<size_t>(count) * wtmp_record::kSize;
  block_.resize(bytes);
  in_.seekg(static_cast<std::streamoff>(unread_ * wtmp_record::kSize));
  if (!in_.read(block_.data(), static_cast<std::streamsize>(bytes))) {
    in_.close();  // nothing older is read after a failed read
    unread_ = 0;
    return false;
  }
  inBlock_ = static_cast<size_t>(count);
  return true;
}

bool WtmpEventSource::Next(TSessionEvent& event) {
  while (true) {
    while (inBlock_ > 0) {
      --inBlock_;
      if (DecodeWtmpRecord(block_.data() + inBlock_ * wtmp_record::kSize, event)) {
        return true;
      }
    }
    if (!in_.is_open() || !ReadBlock()) {
      return false;
    }
  }
}
