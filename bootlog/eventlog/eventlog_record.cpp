#include "bootlog/eventlog/eventlog_record.h"

#include <cstring>

#include "bootlog/event_source.h"
#include "bootlog/little_endian.h"

namespace {

// A NUL-terminated text starting at `at`, or false when its NUL is not in the record.
bool TextAt(const uint8_t* bytes, size_t size, size_t at, size_t& length) {
  if (at >= size) {
    return false;
  }
  const void* nul = std::memchr(bytes + at, 0, size - at);
  if (!nul) {
    return false;
  }
  length = static_cast<size_t>(static_cast<const uint8_t*>(nul) - (bytes + at));
  return true;
}

std::string_view SourceNameOf(const uint8_t* bytes, size_t size) {
  size_t length = 0;
  if (!TextAt(bytes, size, eventlog_record::kFixedSize, length)) {
    return {};
  }
  return {reinterpret_cast<const char*>(bytes) + eventlog_record::kFixedSize, length};
}

// Moves decoded strings aside rather than freeing them, and takes them back.
void SwapIn(std::vector<std::string>& strings, std::vector<std::string>* spare) {
  if (spare && strings.empty() && !spare->empty()) {
    strings.swap(*spare);
  }
}

void PutAside(std::vector<std::string>& strings, std::vector<std::string>* spare) {
  if (strings.empty()) {
    return;
  }
  if (spare && spare->empty()) {
    strings.swap(*spare);
  }
  strings.clear();
}

// All the strings or none: a count or offset that lies gives no strings. The
// strings already there keep their buffers, as the caller reads record after
// record into one event.
void DecodeStrings(const uint8_t* bytes, size_t size, std::vector<std::string>& strings) {
  const size_t count = Le16(bytes + eventlog_record::kNumStrings);
  size_t at = Le32(bytes + eventlog_record::kStringOffset);
  // Each string takes at least its NUL, which bounds the count by the record.
  if (at < eventlog_record::kFixedSize || at > size || count > size - at) {
    strings.clear();
    return;
  }
  strings.resize(count);
  for (std::string& text : strings) {
    size_t length = 0;
    if (!TextAt(bytes, size, at, length)) {
      strings.clear();
      return;
    }
    text.assign(reinterpret_cast<const char*>(bytes) + at, length);
    at += length + 1;
  }
}

// The kind among `wanted` that the record is, its source name compared where
// it lies; most records are passed over by their code alone.
const TRecordKind* KindWanted(const TDataWanted& wanted, uint16_t code, const uint8_t* bytes,
                              size_t size) {
  for (const TRecordKind& kind : wanted.Kinds) {
    const size_t nul = eventlog_record::kFixedSize + kind.Source.size();
    if (kind.Code == code && nul < size && bytes[nul] == 0 &&
        std::memcmp(bytes + eventlog_record::kFixedSize, kind.Source.data(), kind.Source.size()) ==
            0) {
      return &kind;
    }
  }
  return nullptr;
}

}  // namespace

bool DecodeEventLogRecord(const uint8_t* bytes, size_t size, TLogEvent& event,
                          const TDataWanted* wanted, std::vector<std::string>* spare) {
  using namespace eventlog_record;
  if (size < kFixedSize) {
    return false;
  }
  // Only the first record counts; never look past its own length.
  const uint32_t length = Le32(bytes + kLength);
  if (length >= kFixedSize && length < size) {
    size = length;
  }
  event.EventCode = static_cast<uint16_t>(Le32(bytes + kEventId) & 0xFFFF);
  event.TimeGenerated = Le32(bytes + kTimeGenerated);
  const uint32_t sidLength = Le32(bytes + kUserSidLength);
  const uint32_t sidOffset = Le32(bytes + kUserSidOffset);
  event.HasUserSid = sidLength != 0 && sidOffset <= size && sidLength <= size - sidOffset;
  if (event.HasUserSid) {
    event.UserSid.assign(reinterpret_cast<const char*>(bytes) + sidOffset, sidLength);
  } else {
    event.UserSid.clear();
  }
  // The texts end before the record's closing copy of its length.
  const size_t textEnd = size >= kFixedSize + 4 ? size - 4 : size;
  // A question left out asks for everything.
  if (!wanted) {
    event.SourceName.assign(SourceNameOf(bytes, textEnd));
  } else if (const TRecordKind* kind = wanted->MayWant(event.EventCode)
                                           ? KindWanted(*wanted, event.EventCode, bytes, textEnd)
                                           : nullptr) {
    event.SourceName.assign(kind->Source);
  } else {
    event.SourceName.clear();
    PutAside(event.Strings, spare);
    return true;
  }
  SwapIn(event.Strings, spare);
  DecodeStrings(bytes, textEnd, event.Strings);
  return true;
}

size_t ValidSidLength(const std::string& sid) {
  // Revision 1, a sub-authority count of at most 15, 8 bytes + 4 per sub-authority.
  if (sid.size() < 8 || static_cast<uint8_t>(sid[0]) != 1) {
    return 0;
  }
  const size_t count = static_cast<uint8_t>(sid[1]);
  const size_t length = 8 + 4 * count;
  return count <= 15 && length <= sid.size() ? length : 0;
}
