#include "platform/linux/journal_source.h"

#include <systemd/sd-id128.h>
#include <systemd/sd-journal.h>
#include <systemd/sd-messages.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "platform/linux/journal_sleeps.h"

namespace {

constexpr char kStartMatch[] = "MESSAGE_ID=" SD_MESSAGE_SLEEP_START_STR;
constexpr char kStopMatch[] = "MESSAGE_ID=" SD_MESSAGE_SLEEP_STOP_STR;

// The journal files of a folder, or the one named. User journals hold no
// sleeps; their names begin with "user-".
std::vector<std::string> JournalFiles(const std::string& path, bool& folder) {
  std::error_code error;
  folder = std::filesystem::is_directory(path, error);
  if (!folder) {
    return {path};
  }
  std::vector<std::string> files;
  for (const auto& item : std::filesystem::directory_iterator(path, error)) {
    const std::string name = item.path().filename().string();
    const bool journal = name.ends_with(".journal") || name.ends_with(".journal~");
    if (journal && !name.starts_with("user-") && item.is_regular_file(error)) {
      files.push_back(item.path().string());
    }
  }
  return files;
}

int OpenFile(const std::string& path, sd_journal** journal) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    return -EINVAL;  // a pipe or device may never answer
  }
  const char* files[] = {path.c_str(), nullptr};
  return sd_journal_open_files(journal, files, 0);
}

// SLEEP=, _PID= and PRIORITY= of the current entry, in one pass over its
// fields that ends when all three are found: each field read is a page of
// the file touched, and a look-up by name would be a pass of its own.
void ReadFields(sd_journal* journal, TSleepEntry& entry) {
  const void* data = nullptr;
  size_t size = 0;
  int missing = 3;
  sd_journal_restart_data(journal);
  while (missing > 0 && sd_journal_enumerate_available_data(journal, &data, &size) > 0) {
    const std::string_view field(static_cast<const char*>(data), size);
    if (field.starts_with("SLEEP=")) {
      entry.Sleep = field.substr(6);
      --missing;
    } else if (field.starts_with("_PID=")) {
      entry.Pid = field.substr(5);
      --missing;
    } else if (field.starts_with("PRIORITY=")) {
      if (field.size() == 10 && field[9] >= '0' && field[9] <= '7') {
        entry.Priority = field[9] - '0';
      }
      --missing;
    }
  }
}

// Each file on its own: the sleeps are put in time order afterwards, and a
// journal of many files read as one looks into every file at every step.
void ReadSleepEntries(sd_journal* journal, std::vector<TSleepEntry>& entries) {
  for (const bool start : {true, false}) {
    sd_journal_flush_matches(journal);
    if (sd_journal_add_match(journal, start ? kStartMatch : kStopMatch, 0) < 0 ||
        sd_journal_seek_head(journal) < 0) {
      continue;
    }
    while (sd_journal_next(journal) > 0) {
      TSleepEntry entry;
      entry.Start = start;
      sd_id128_t boot;
      uint64_t monotonic = 0;
      if (sd_journal_get_realtime_usec(journal, &entry.Usec) < 0 ||
          sd_journal_get_monotonic_usec(journal, &monotonic, &boot) < 0) {
        continue;
      }
      char bootText[SD_ID128_STRING_MAX];
      entry.BootId = sd_id128_to_string(boot, bootText);
      ReadFields(journal, entry);
      entries.push_back(std::move(entry));
    }
  }
}

// False, with the error, when a journal file named alone cannot be opened;
// the files of a folder that cannot are passed over.
bool ReadJournal(const std::string& path, std::vector<TSleepEntry>& entries, int& error) {
  bool folder = false;
  for (const std::string& file : JournalFiles(path, folder)) {
    sd_journal* journal = nullptr;
    error = OpenFile(file, &journal);
    if (error < 0) {
      if (!folder) {
        return false;
      }
      continue;
    }
    ReadSleepEntries(journal, entries);
    sd_journal_close(journal);
  }
  error = 0;
  return true;
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
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    return path + ": no such file or folder";
  }
  bool folder = false;
  if (std::filesystem::is_directory(path, error)) {
    return {};
  }
  sd_journal* journal = nullptr;
  const int r = OpenFile(JournalFiles(path, folder).front(), &journal);
  sd_journal_close(journal);
  return r < 0 ? path + ": not a journal (" + std::strerror(-r) + ")" : "";
}

bool JournalSleepSource::Open() {
  events_.clear();
  next_ = 0;
  std::error_code error;
  std::vector<TSleepEntry> entries;
  int failure = 0;
  if (path_.empty() || !std::filesystem::exists(path_, error) ||
      !ReadJournal(path_, entries, failure)) {
    return false;
  }
  events_ = SleepEvents(std::move(entries));
  return true;
}

bool JournalSleepSource::Next(TSessionEvent& event) {
  if (next_ >= events_.size()) {
    return false;
  }
  event = std::move(events_[next_++]);
  return true;
}
