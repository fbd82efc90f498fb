#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// A saved classic event log (.evt): a 48-byte header ("LfLe"), then a circular
// buffer of EVENTLOGRECORDs from offset 48 to the end of the file, which wraps
// back to offset 48 (a record may be split by the wrap), closed by the 40-byte
// end-of-file record after the newest record. The header of a log that was
// not closed cleanly is stale; the end-of-file record is the truth.
class TEvtFile {
 public:
  struct TPlace {
    uint32_t Offset;
    uint32_t Length;
  };
  struct TIndex {
    std::vector<TPlace> Records;  // newest first
    bool Damaged = false;         // the records stopped at one that is not whole
  };

  // Empty when the file opens and has an event log header, else why not, naming it.
  std::string Open(const std::string& path);
  void Close();

  // Every whole record, newest first: back from the end-of-file record or,
  // when there is none, forward from the header's oldest record. Reads only
  // inside the file and walks every byte of the buffer at most once.
  TIndex Index();
  // The record's bytes, unwrapped; false when they are no longer whole.
  bool ReadRecord(const TPlace& place, uint8_t* out);

 private:
  bool ReadRing(uint64_t offset, uint64_t size, uint8_t* out);
  bool ReadLinear(uint64_t offset, uint64_t size, uint8_t* out);
  bool ReadWord(uint64_t offset, uint32_t& value);
  uint64_t Forward(uint64_t offset, uint64_t distance) const;
  uint64_t Backward(uint64_t offset, uint64_t distance) const;
  // Whether the buffer's bytes from `offset` on, wrapping, are all in the file.
  bool IsPresent(uint64_t offset, uint64_t size) const;
  bool IsRecordAt(uint64_t offset, uint64_t maxLength, uint32_t& length);
  bool FindEndRecord(uint64_t& at, uint64_t& oldest);

  std::ifstream file_;
  uint64_t fileSize_ = 0;
  uint64_t ringEnd_ = 0;  // the buffer is [48, ringEnd_)
  uint32_t headerStart_ = 0, headerEnd_ = 0;
  std::vector<uint8_t> block_;
  uint64_t blockOffset_ = 0, blockSize_ = 0;
};
