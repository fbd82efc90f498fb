#include "bootlog/eventlog/eventlog_record.h"

#include "bootlog/event_source.h"
#include "bootlog/little_endian.h"

bool DecodeEventLogRecord(const uint8_t* bytes, size_t size, TLogEvent& event) {
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
