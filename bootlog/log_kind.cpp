#include "bootlog/log_kind.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "bootlog/file_path.h"
#include "bootlog/fixture_source.h"
#include "bootlog/little_endian.h"
#include "bootlog/wtmp_record.h"

namespace {

constexpr struct {
  TLogKind Kind;
  const char* Option;
} kOptions[] = {
    {TLogKind::Events, "--events"}, {TLogKind::Evt, "--evt"},
    {TLogKind::Evtx, "--evtx"},     {TLogKind::Wtmp, "--wtmp"},
    {TLogKind::Wtmpdb, "--wtmpdb"}, {TLogKind::Journal, "--journal"},
};

bool StartsWith(std::string_view head, std::string_view magic) {
  return head.substr(0, magic.size()) == magic;
}

// Fields a login record cannot do without: a known type, and microseconds
// below a second.
bool ReadsAsLoginRecord(const char* record) {
  const auto type = static_cast<int16_t>(Le16(record + wtmp_record::kType));
  const auto micro = static_cast<int32_t>(Le32(record + wtmp_record::kSeconds + 4));
  return type >= 0 && type <= 9 && micro >= 0 && micro < 1000000;
}

bool ReadsAsWtmp(std::string_view head, uint64_t size) {
  using wtmp_record::kSize;
  if (size == 0 || size % kSize != 0 || head.size() < std::min<uint64_t>(size, kSize)) {
    return false;
  }
  for (size_t at = 0; at + kSize <= head.size(); at += kSize) {
    if (!ReadsAsLoginRecord(head.data() + at)) {
      return false;
    }
  }
  return true;
}

// Text whose whole lines read as the fixture's events; a line cut off by the
// end of the head is not judged.
bool ReadsAsFixture(std::string_view head, uint64_t size) {
  if (head.find('\0') != std::string_view::npos) {
    return false;
  }
  if (head.size() < size) {
    const size_t end = head.rfind('\n');
    head = end == std::string_view::npos ? std::string_view() : head.substr(0, end + 1);
  }
  return FixtureEventSource::ReadsAsFixture(head);
}

bool HoldsJournalFiles(const std::string& folder) {
  std::error_code error;
  for (const auto& item : std::filesystem::directory_iterator(FilePath(folder), error)) {
    const std::string name = PathText(item.path().filename());
    if ((name.ends_with(".journal") || name.ends_with(".journal~")) && !name.starts_with("user-")) {
      return true;
    }
  }
  return false;
}

TLogGuess GuessFile(const std::string& path, bool rotated) {
  std::ifstream in(FilePath(path), std::ios::binary);
  std::error_code error;
  const uint64_t size = std::filesystem::file_size(FilePath(path), error);
  if (!in || error) {
    return {TLogKind::Unknown, TLogFault::Unreadable};
  }
  std::string head(static_cast<size_t>(std::min<uint64_t>(size, kLogHeadSize)), '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<size_t>(in.gcount()));
  if (size == 0) {
    if (!rotated && std::filesystem::exists(FilePath(path + ".1"), error)) {
      const TLogGuess older = GuessFile(path + ".1", true);
      if (older.Kind == TLogKind::Wtmp || older.Kind == TLogKind::Wtmpdb) {
        return older;
      }
    }
    return {TLogKind::Unknown, TLogFault::Empty};
  }
  const TLogKind kind = LogKindOfHead(head, size);
  return {kind, kind == TLogKind::Unknown ? TLogFault::NotALog : TLogFault::NoFault};
}

}  // namespace

const char* LogKindOption(TLogKind kind) {
  for (const auto& o : kOptions) {
    if (o.Kind == kind) {
      return o.Option;
    }
  }
  return "";
}

TLogKind LogKindOfOption(std::string_view option) {
  for (const auto& o : kOptions) {
    if (option == o.Option) {
      return o.Kind;
    }
  }
  return TLogKind::Unknown;
}

TLogKind LogKindOfHead(std::string_view head, uint64_t size) {
  if (StartsWith(head, std::string_view("ElfFile\0", 8))) {
    return TLogKind::Evtx;
  }
  // The header record: its length, 0x30, then the signature.
  if (head.size() >= 8 && Le32(head.data()) == 0x30 && head.substr(4, 4) == "LfLe") {
    return TLogKind::Evt;
  }
  if (StartsWith(head, std::string_view("SQLite format 3\0", 16))) {
    return TLogKind::Wtmpdb;
  }
  if (StartsWith(head, "LPKSHHRH")) {
    return TLogKind::Journal;
  }
  if (ReadsAsWtmp(head, size)) {
    return TLogKind::Wtmp;
  }
  if (ReadsAsFixture(head, size)) {
    return TLogKind::Events;
  }
  return TLogKind::Unknown;
}

TLogGuess GuessLogKind(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(FilePath(path), error);
  switch (status.type()) {
    case std::filesystem::file_type::not_found:
      return {TLogKind::Unknown, TLogFault::Missing};
    case std::filesystem::file_type::directory:
      return HoldsJournalFiles(path) ? TLogGuess{TLogKind::Journal, TLogFault::NoFault}
                                     : TLogGuess{TLogKind::Unknown, TLogFault::Folder};
    case std::filesystem::file_type::regular:
      return GuessFile(path, false);
    default:
      // A pipe or a device may never end.
      return {TLogKind::Unknown, TLogFault::Unreadable};
  }
}
