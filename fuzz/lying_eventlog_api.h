#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>

#include "fuzz/check.h"
#include "bootlog/eventlog/eventlog_api.h"

// A log service whose every answer comes from the fuzzer: record bytes,
// bytes read, bytes needed, error codes, account names and their sizes. It
// stays within the buffer sizes it is given, as the real one does, and aborts
// when the read protocol is broken: a handle used after it was closed or
// closed twice, a request other than 56 bytes before each record or the size
// the last answer asked for, lookup buffers of another size.
class LyingEventLogApi : public EventLogApi {
 public:
  static constexpr uint32_t kFixedRecordSize = 56;

  explicit LyingEventLogApi(FuzzedDataProvider& data) : data_(data) {}

  Handle OpenLog(const char* sourceName) override {
    FuzzCheck(!open_, "log opened while open");
    FuzzCheck(std::strcmp(sourceName, "System") == 0, "not the System log");
    if (data_.ConsumeBool()) {
      return nullptr;
    }
    open_ = true;
    expectedRequest_ = kFixedRecordSize;
    ++opens_;
    return &handle_;
  }

  bool ReadLog(Handle log, uint32_t flags, uint32_t recordOffset, void* buffer,
               uint32_t bytesToRead, uint32_t& bytesRead, uint32_t& minBytesNeeded) override {
    FuzzCheck(open_ && log == &handle_, "read on a closed or foreign handle");
    FuzzCheck(flags == (kEventLogSequentialRead | kEventLogBackwardsRead) && recordOffset == 0,
              "not a sequential backwards read");
    FuzzCheck(bytesToRead == expectedRequest_, "request not of the size due");
    bytesRead = minBytesNeeded = 0;
    if (data_.remaining_bytes() == 0) {
      error_ = kErrorHandleEof;
      return false;
    }
    switch (data_.ConsumeIntegralInRange(0, 3)) {
      case 0: {  // a record, or any bytes, reported with any length
        const std::vector<uint8_t> record = data_.ConsumeBytes<uint8_t>(
            data_.ConsumeIntegralInRange<uint32_t>(0, std::min<uint32_t>(bytesToRead, 4096)));
        auto* out = static_cast<uint8_t*>(buffer);
        std::fill(out, out + bytesToRead, uint8_t{0xA5});
        std::copy(record.begin(), record.end(), out);
        bytesRead = data_.ConsumeBool() ? static_cast<uint32_t>(record.size())
                                        : data_.ConsumeIntegral<uint32_t>();
        expectedRequest_ = kFixedRecordSize;
        return true;
      }
      case 1:  // too small, whatever the size asked for
        error_ = kErrorInsufficientBuffer;
        minBytesNeeded = data_.ConsumeBool() ? data_.ConsumeIntegralInRange<uint32_t>(0, 4096)
                                             : data_.ConsumeIntegral<uint32_t>();
        expectedRequest_ = minBytesNeeded;
        return false;
      case 2:
        error_ = kErrorHandleEof;
        return false;
      default:
        error_ = data_.ConsumeIntegral<uint32_t>();
        return false;
    }
  }

  uint32_t LastError() override { return error_; }

  bool LookupAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                     uint32_t& domainSize) override {
    FuzzCheck(nameSize == 261 && domainSize == 261, "lookup buffers not of 261 characters");
    // The real call reads the whole SID its header describes.
    const auto* s = static_cast<const uint8_t*>(sid);
    unsigned sum = 0;
    for (size_t i = 0, n = 8 + 4 * size_t{s[1]}; i < n; ++i) {
      sum += s[i];
    }
    sidBytesSeen_ += sum;
    if (data_.ConsumeBool()) {
      return false;
    }
    // Names that fill the buffer to the last byte, without a terminator.
    const std::string text = data_.ConsumeRandomLengthString(nameSize);
    std::fill(name, name + nameSize, 'n');
    std::copy(text.begin(), text.end(), name);
    std::fill(domain, domain + domainSize, 'd');
    nameSize = data_.ConsumeIntegral<uint32_t>();
    domainSize = data_.ConsumeIntegral<uint32_t>();
    return true;
  }

  void CloseLog(Handle log) override {
    FuzzCheck(open_ && log == &handle_, "close of a closed or foreign handle");
    open_ = false;
    ++closes_;
  }

  // Every handle handed out was closed, once.
  void ExpectAllClosed() const { FuzzCheck(!open_ && closes_ == opens_, "log left open"); }

 private:
  FuzzedDataProvider& data_;
  char handle_ = 0;
  bool open_ = false;
  int opens_ = 0;
  int closes_ = 0;
  uint32_t expectedRequest_ = 0;
  uint32_t error_ = 0;
  unsigned sidBytesSeen_ = 0;
};
