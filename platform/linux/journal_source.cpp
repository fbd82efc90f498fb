#include "platform/linux/journal_source.h"

#include <systemd/sd-id128.h>
#include <systemd/sd-journal.h>
#include <systemd/sd-messages.h>

#include <cstring>
#include <filesystem>

#include "platform/linux/journal_sleeps.h"

namespace {

constexpr char kStartMatch[] = "MESSAGE_ID=" SD_MESSAGE_SLEEP_START_STR;
constexpr char kStopMatch[] = "MESSAGE_ID=" SD_MESSAGE_SLEEP_STOP_STR;

int Open(const std::string& path, sd_journal** journal) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    // Only the system's files: user journals hold no sleeps.
    return sd_journal_open_directory(journal, path.c_str(), SD_JOURNAL_SYSTEM);
  }
  const char* files[] = {path.c_str(), nullptr};
  return sd_journal_open_files(journal, files, 0);
}

// The value of FIELD in the current entry; false when it has none.
bool Field(sd_journal* journal, const char* field, std::string& value) {
  const void* data = nullptr;
  size_t size = 0;
  if (sd_journal_get_data(journal, field, &data, &size) < 0) {
    return false;
  }
  const size_t name = std::strlen(field) + 1;  // "FIELD="
  value.assign(static_cast<const char*>(data) + name, size - name);
  return true;
}

std::vector<TSleepEntry> SleepEntries(sd_journal* journal) {
  std::vector<TSleepEntry> entries;
  if (sd_journal_add_match(journal, kStartMatch, 0) < 0 ||
      sd_journal_add_match(journal, kStopMatch, 0) < 0) {
    return entries;
  }
  std::string id, priority;
  while (sd_journal_next(journal) > 0) {
    TSleepEntry entry;
    sd_id128_t boot;
    uint64_t monotonic = 0;
    if (!Field(journal, "MESSAGE_ID", id) ||
        sd_journal_get_realtime_usec(journal, &entry.Usec) < 0 ||
        sd_journal_get_monotonic_usec(journal, &monotonic, &boot) < 0) {
      continue;
    }
    entry.Start = "MESSAGE_ID=" + id == kStartMatch;
    if (!entry.Start && "MESSAGE_ID=" + id != kStopMatch) {
      continue;
    }
    char bootText[SD_ID128_STRING_MAX];
    entry.BootId = sd_id128_to_string(boot, bootText);
    Field(journal, "SLEEP", entry.Sleep);
    Field(journal, "_PID", entry.Pid);
    if (Field(journal, "PRIORITY", priority) && priority.size() == 1 && priority[0] >= '0' &&
        priority[0] <= '7') {
      entry.Priority = priority[0] - '0';
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace

std::string JournalSleepSource::SystemJournal() {
  sd_id128_t machine;
  char text[SD_ID128_STRING_MAX];
  if (sd_id128_get_machine(&machine) < 0) {
    return {};
  }
  return std::string("/var/log/journal/") + sd_id128_to_string(machine, text);
}

std::string JournalSleepSource::Problem(const std::string& path) {
  sd_journal* journal = nullptr;
  const int r = Open(path, &journal);
  sd_journal_close(journal);
  return r < 0 ? path + ": not a journal (" + std::strerror(-r) + ")" : "";
}

bool JournalSleepSource::OpenSystemLog() {
  events_.clear();
  next_ = 0;
  std::error_code error;
  sd_journal* journal = nullptr;
  if (path_.empty() || !std::filesystem::exists(path_, error) || Open(path_, &journal) < 0) {
    return false;
  }
  events_ = SleepEvents(SleepEntries(journal));
  sd_journal_close(journal);
  return true;
}

bool JournalSleepSource::ReadNextEvent(TLogEvent& event) {
  if (next_ >= events_.size()) {
    return false;
  }
  event = std::move(events_[next_++]);
  return true;
}
