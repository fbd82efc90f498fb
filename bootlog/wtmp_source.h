#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "bootlog/session_event.h"

// Login accounting files (see wtmp_record.h), given newest first (a log, then
// its rotated predecessor) and read as one log. Each file is read from its end in blocks: memory
// does not grow with its size.
class WtmpEventSource : public SessionSource {
 public:
  explicit WtmpEventSource(std::vector<std::string> files) : files_(std::move(files)) {}

  // Cannot be opened when no file holds a whole record; missing or unreadable
  // files are passed over. A partial last record (one being written) is left out.
  bool Open() override;
  // A read error ends the whole log.
  bool Next(TSessionEvent& event) override;

 private:
  // Moves to the next file from `first` on that holds records.
  bool OpenFileFrom(size_t first);
  bool ReadBlock();

  std::vector<std::string> files_;
  size_t file_ = 0;
  std::ifstream in_;
  uint64_t unread_ = 0;  // records of the open file before the block
  std::vector<char> block_;
  size_t inBlock_ = 0;  // records of the block not handed out yet, counted from its start
};
