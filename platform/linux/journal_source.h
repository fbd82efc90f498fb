#pragma once

#include <string>
#include <vector>

#include "bootlog/session_event.h"

// The sleeps the systemd journal records (journal_sleeps.h), read afresh at
// each open through the journal's own index of message IDs.
class JournalSleepSource : public SessionSource {
 public:
  // A journal file, or a folder of them.
  explicit JournalSleepSource(std::string path) : path_(std::move(path)) {}
  // This computer's persistent system journal. A volatile journal, none, or
  // one the user may not read gives no sleeps.
  static std::string SystemJournal();

  // Empty when the path opens as a journal, else why not, naming it.
  static std::string Problem(const std::string& path);

  // Cannot be opened when the journal cannot; entries it cannot read are
  // passed over.
  bool Open() override;
  bool Next(TSessionEvent& event) override;

 private:
  std::string path_;
  std::vector<TSessionEvent> events_;
  size_t next_ = 0;
};
