#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "bootlog/eventlog/evtx_record.h"

// A saved Windows XML event log (.evtx): a 4 KiB file header ("ElfFile"), then
// 64 KiB chunks ("ElfChnk"), each with its own string and template tables and
// its records of binary XML. A file's chunks wrap when it is full, so the
// order is by record number, not by place.
class TEvtxFile {
 public:
  static constexpr size_t kChunkSize = 65536;

  // Empty when the file opens and has an .evtx header, else why not, naming it.
  std::string Open(const std::string& path);
  void Close();

  // Every readable record, newest (highest number) first, each number once.
  // A chunk without its signature or whose offsets point outside it is
  // skipped, and so is a record whose signature, size or binary XML does not
  // hold; a chunk whose checksum fails is read all the same (copies of a
  // running log have chunks caught mid-write whose records are whole). Reads
  // only inside the file, one chunk at a time: memory holds a chunk and an
  // index of the records' places, not the records.
  bool Rewind();
  bool Next(TEvtxRecord& record);
  std::vector<TEvtxRecord> ReadAll();

  // The records of one chunk's bytes, in the chunk's order.
  static void ReadChunk(const uint8_t* chunk, std::vector<TEvtxRecord>& out);

 private:
  // Where a whole record lies; its binary XML is decoded when it is served.
  struct TPlace {
    uint64_t Number;
    uint32_t Chunk;
    uint16_t Offset, Size;
  };
  bool LoadChunk(uint32_t chunk);

  std::ifstream file_;
  uint64_t fileSize_ = 0;
  std::vector<TPlace> places_;  // newest first; copies of a number in file order
  size_t next_ = 0;
  std::vector<uint8_t> chunk_;
  int64_t loaded_ = -1;  // the chunk in chunk_
};
