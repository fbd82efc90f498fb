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

  // Every readable record, newest (highest number) first. A chunk without its
  // signature or whose offsets point outside it is skipped, and so is a
  // record whose signature, size or binary XML does not hold; a chunk whose
  // checksum fails is read all the same (copies of a running log have chunks
  // caught mid-write whose records are whole). Reads only inside the file.
  std::vector<TEvtxRecord> ReadAll();

  // The records of one chunk's bytes, in the chunk's order.
  static void ReadChunk(const uint8_t* chunk, std::vector<TEvtxRecord>& out);

 private:
  std::ifstream file_;
  uint64_t fileSize_ = 0;
};
