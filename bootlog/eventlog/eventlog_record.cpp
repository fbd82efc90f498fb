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
  const size_t first = Le32(bytes + eventlog_record::kStringOffset);
  // The lengths of the first strings, found once; records have a few.
  constexpr size_t kKept = 16;
  size_t lengths[kKept];
  size_t at = first;
  for (size_t i = 0; i < count; ++i) {
    size_t length = 0;
    if (at < eventlog_record::kFixedSize || !TextAt(bytes, size, at, length)) {
      strings.clear();
      return;
    }
    if (i < kKept) {
      lengths[i] = length;
    }
    at += length + 1;
  }
  strings.resize(count);
  at = first;
  for (size_t i = 0; i < count; ++i) {
    size_t length = i < kKept ? lengths[i] : 0;
    if (i >= kKept) {
      TextAt(bytes, size, at, length);
    }
    strings[i].assign(reinterpret_cast<const char*>(bytes) + at, length);
    at += length + 1;
  }
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
  const bool mayWant = !wanted || !wanted->MayWant || wanted->MayWant(event.EventCode);
  const std::string_view source = mayWant ? SourceNameOf(bytes, textEnd) : std::string_view();
  if (!mayWant || (wanted && wanted->Wants && !wanted->Wants(event.EventCode, source))) {
    event.SourceName.clear();
    PutAside(event.Strings, spare);
    return true;
  }
  event.SourceName.assign(source);
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
