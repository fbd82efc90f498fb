// The journal's sleeps: an input beginning with the journal file signature is
// a journal file read as the refresh reads it; any other is a list of
// systemd-sleep's entries (11 bytes each: seconds since 1970 in 4 bytes,
// 16 microseconds in 2, start or return, SLEEP=, PRIORITY=, boot, process) for the mapping alone.
// Either way the events must be the ones the reconstruction expects: asleep
// periods newest first where they stand, each wake after its sleep and never
// in the second of it, a sleep or a hibernation.
#include <string>
#include <vector>

#include "bootlog/listed_source.h"
#include "bootlog/reconstruct.h"
#include "fuzz/check.h"
#include "fuzz/input_file.h"
#include "platform/linux/journal_sleeps.h"
#include "platform/linux/journal_source.h"

namespace {

std::vector<TSleepEntry> Entries(const uint8_t* data, size_t size) {
  static const char* const kSleeps[] = {"suspend", "hibernate", "hybrid-sleep",
                                        "suspend-then-hibernate"};
  std::vector<TSleepEntry> entries;
  for (; size >= 11; data += 11, size -= 11) {
    TSleepEntry entry;
    const uint64_t seconds = uint64_t{data[0]} << 24 | data[1] << 16 | data[2] << 8 | data[3];
    entry.Usec = seconds * 1000000 + (data[4] << 8 | data[5]) * 15;
    entry.Start = data[6] & 1;
    entry.Sleep = kSleeps[data[7] & 3];
    entry.Priority = data[8] & 7;
    entry.BootId = std::string(1, static_cast<char>('a' + (data[9] & 1)));
    entry.Pid = data[10] == 0 ? "" : std::to_string(data[10] & 7);
    entries.push_back(entry);
  }
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzInputFile file("system.journal");
  static const std::string kSignature = "LPKSHHRH";
  ListedSessionSource listed;
  JournalSleepSource journal(file.Folder() + "/system.journal");
  SessionSource* source = &listed;
  if (size >= kSignature.size() && std::string(data, data + kSignature.size()) == kSignature) {
    const std::string& path = file.Write(data, size);
    const bool opened = journal.Open();
    FuzzCheck(opened == JournalSleepSource::Problem(path).empty(),
              "the open and the tools' check disagree");
    source = &journal;
  } else {
    const std::vector<TSleepEntry> entries = Entries(data, size);
    listed = ListedSessionSource(SleepEvents(entries));
    FuzzCheck(listed.Events().size() <= entries.size(), "more periods than entries");
    listed.Open();
  }
  TSessionEvent event;
  uint32_t newest = UINT32_MAX;
  while (source->Next(event)) {
    FuzzCheck(event.Kind == TSessionEvent::TKind::Asleep, "an event of another kind");
    FuzzCheck(event.PlaceUtc() <= newest, "periods not newest first");
    newest = event.PlaceUtc();
    FuzzCheck(event.How == TAsleepKind::Sleep || event.How == TAsleepKind::Hibernation,
              "a period of another kind");
    FuzzCheck(!event.Woke || event.WakeUtc > event.Utc, "a wake not after its sleep",
              std::to_string(event.Utc) + " " + std::to_string(event.WakeUtc));
  }

  // The refresh reads them joined to no login records.
  TBootTable table;
  ReadBootEvents(*source, RegionalFormats{}, table);
  return 0;
}
