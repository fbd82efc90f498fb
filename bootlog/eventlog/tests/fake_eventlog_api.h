#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "bootlog/eventlog/eventlog_api.h"

// A log service holding whole records, newest first, answering like advapi32.
class FakeEventLogApi : public EventLogApi {
 public:
  struct Call {
    uint32_t flags, offset, bytesToRead;
  };
  std::vector<std::vector<uint8_t>> records;
  std::vector<Call> reads;
  std::vector<std::string> openedSources;
  std::vector<std::string> accounts;  // SID bytes -> name, by position: sid i has sub-authority i
  uint32_t errorAfterRecords = 0;     // 0: none
  uint32_t otherError = 0;            // returned instead of 38 at the end, when set
  bool failOpen = false;
  bool alwaysTooSmall = false;
  int closes = 0;
  int lookups = 0;
  uint32_t lastNameSize = 0, lastDomainSize = 0;

  Handle OpenLog(const char* sourceName) override {
    openedSources.push_back(sourceName);
    return failOpen ? nullptr : this;
  }
  bool ReadLog(Handle, uint32_t flags, uint32_t offset, void* buffer, uint32_t bytesToRead,
               uint32_t& bytesRead, uint32_t& needed) override {
    reads.push_back({flags, offset, bytesToRead});
    bytesRead = needed = 0;
    if (next_ >= records.size() || (errorAfterRecords && next_ >= errorAfterRecords)) {
      error_ = otherError ? otherError : kErrorHandleEof;
      return false;
    }
    const std::vector<uint8_t>& r = records[next_];
    if (alwaysTooSmall || bytesToRead < r.size()) {
      needed = alwaysTooSmall ? bytesToRead + 4 : static_cast<uint32_t>(r.size());
      error_ = kErrorInsufficientBuffer;
      return false;
    }
    std::memcpy(buffer, r.data(), r.size());
    bytesRead = static_cast<uint32_t>(r.size());
    ++next_;
    return true;
  }
  uint32_t LastError() override { return error_; }
  bool LookupAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                     uint32_t& domainSize) override {
    ++lookups;
    lastNameSize = nameSize;
    lastDomainSize = domainSize;
    const uint8_t* s = static_cast<const uint8_t*>(sid);
    const uint32_t index = s[1] ? s[8] : 0xFFFFFFFF;  // first sub-authority, low byte
    if (index >= accounts.size()) {
      return false;
    }
    std::strcpy(name, accounts[index].c_str());
    std::strcpy(domain, "WORKGROUP");
    return true;
  }
  void CloseLog(Handle) override { ++closes; }

 private:
  size_t next_ = 0;
  uint32_t error_ = 0;
};

// A record of the published layout: fixed part, source and computer names, an
// optional SID, then the trailing length.
inline std::vector<uint8_t> MakeRecord(uint32_t eventId, uint32_t timeGenerated, int account = -1,
                                       uint32_t sidOffsetOverride = 0,
                                       uint32_t sidLengthOverride = 0) {
  static const char names[] = "Service Control Manager\0PC\0";
  const size_t namesEnd = (56 + sizeof names + 3) / 4 * 4;
  const uint32_t sidLengthReal = account >= 0 ? 12 : 0;
  std::vector<uint8_t> r(namesEnd + sidLengthReal + 4, 0);
  std::memcpy(r.data() + 56, names, sizeof names);
  uint32_t sidOffset = 0, sidLength = sidLengthReal;
  if (account >= 0) {
    sidOffset = static_cast<uint32_t>(namesEnd);
    const uint8_t sid[12] = {1, 1, 0, 0, 0, 0, 0, 5, static_cast<uint8_t>(account), 0, 0, 0};
    std::memcpy(r.data() + namesEnd, sid, sizeof sid);
  }
  if (sidOffsetOverride) {
    sidOffset = sidOffsetOverride;
  }
  if (sidLengthOverride) {
    sidLength = sidLengthOverride;
  }
  auto put = [&r](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
      r[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }
  };
  put(0, static_cast<uint32_t>(r.size()));
  put(4, 0x654C664C);  // "LfLe"
  put(12, timeGenerated);
  put(16, timeGenerated);
  put(20, eventId);
  put(40, sidLength);
  put(44, sidOffset);
  put(r.size() - 4, static_cast<uint32_t>(r.size()));
  return r;
}

// A record of today's Windows: the provider as the source name and the data
// values as its insertion strings (NumStrings at 26, StringOffset at 36),
// with the SID S-1-5-`account` when one is given.
inline std::vector<uint8_t> MakeStringsRecord(uint32_t eventId, uint32_t timeGenerated,
                                              const std::string& source,
                                              const std::vector<std::string>& strings,
                                              int account = -1) {
  std::vector<uint8_t> r = MakeRecord(eventId, timeGenerated);
  r.resize(56);
  r.insert(r.end(), source.begin(), source.end());
  r.push_back(0);
  r.insert(r.end(), {'P', 'C', 0});
  r.resize((r.size() + 3) / 4 * 4, 0);
  if (account >= 0) {
    const uint32_t sidOffset = static_cast<uint32_t>(r.size());
    r.insert(r.end(), {1, 1, 0, 0, 0, 0, 0, 5, static_cast<uint8_t>(account), 0, 0, 0});
    for (int i = 0; i < 4; ++i) {
      r[40 + i] = static_cast<uint8_t>(12 >> (8 * i));
      r[44 + i] = static_cast<uint8_t>(sidOffset >> (8 * i));
    }
  }
  const uint32_t stringOffset = static_cast<uint32_t>(r.size());
  for (const std::string& s : strings) {
    r.insert(r.end(), s.begin(), s.end());
    r.push_back(0);
  }
  r.resize((r.size() + 3) / 4 * 4 + 4, 0);
  auto put = [&r](size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) {
      r[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }
  };
  put(0, static_cast<uint32_t>(r.size()), 4);
  put(26, static_cast<uint32_t>(strings.size()), 2);
  put(36, stringOffset, 4);
  put(r.size() - 4, static_cast<uint32_t>(r.size()), 4);
  return r;
}
