#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes saved event logs (.evt) as the event log service leaves them: the
// records written one after another into the circular buffer from `Start`,
// wrapping at `Size` back to offset 48, the end-of-file record after the
// newest. The header is written as of when the log was last closed cleanly:
// `HeaderStale` records fewer (a stale, dirty header).
struct TEvtBuilder {
  uint32_t Size = 0x10000;                    // the file's size and the log's maximum size
  uint32_t Start = 48;                        // where the oldest record begins
  std::vector<std::vector<uint8_t>> Records;  // oldest first
  size_t HeaderStale = 0;                     // newest records the header does not know of yet

  struct TLayout {
    std::string Bytes;
    std::vector<uint32_t> Offsets;  // of each record, oldest first
    uint32_t End = 0;               // of the end-of-file record
  };

  TLayout Build() const {
    TLayout out;
    out.Bytes.assign(Size, '\0');
    uint32_t at = Start;
    uint32_t staleEnd = Start;
    for (size_t i = 0; i < Records.size(); ++i) {
      if (i + HeaderStale == Records.size()) {
        staleEnd = at;
      }
      out.Offsets.push_back(at);
      at = Put(out.Bytes, at, Records[i]);
    }
    if (HeaderStale == 0) {
      staleEnd = at;
    }
    out.End = at;
    std::vector<uint8_t> eof(40);
    const uint32_t eofWords[10] = {
        0x28,       0x11111111, 0x22222222, 0x33333333,
        0x44444444, Start,      at,         static_cast<uint32_t>(Records.size() + 1),
        1,          0x28};
    for (int i = 0; i < 10; ++i) {
      Word(eof, 4 * i, eofWords[i]);
    }
    Put(out.Bytes, at, eof);
    std::vector<uint8_t> header(48);
    const uint32_t known = static_cast<uint32_t>(Records.size() - HeaderStale);
    const uint32_t headerWords[12] = {0x30,     0x654C664C, 1, 1,    Start,
                                      staleEnd, known + 1,  1, Size, HeaderStale ? 1u : 0u,
                                      0,        0x30};
    for (int i = 0; i < 12; ++i) {
      Word(header, 4 * i, headerWords[i]);
    }
    out.Bytes.replace(0, 48, reinterpret_cast<const char*>(header.data()), 48);
    return out;
  }

  static void Word(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
      bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
  }
  static void Word(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
      bytes[at + i] = static_cast<char>(value >> (8 * i));
    }
  }

 private:
  // Writes bytes into the buffer from `at`, wrapping; returns where they end.
  uint32_t Put(std::string& file, uint32_t at, const std::vector<uint8_t>& bytes) const {
    for (uint8_t b : bytes) {
      file[at] = static_cast<char>(b);
      at = at + 1 == Size ? 48 : at + 1;
    }
    return at;
  }
};
