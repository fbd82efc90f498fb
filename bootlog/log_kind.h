#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The kinds of log file Dorvex reads, each named by the option that names it
// ("--evtx").
enum class TLogKind { Unknown, Events, Evt, Evtx, Wtmp, Wtmpdb, Journal };

// Why a file cannot be read as a log.
enum class TLogFault {
  NoFault,
  Missing,
  Folder,      // a folder holding no log
  Unreadable,  // not a plain file, or one this user may not read
  Empty,
  NotALog,
  Damaged,    // of its kind, but its reader refuses it
  LinuxOnly,  // a wtmpdb database or a journal on Windows
};

const char* LogKindOption(TLogKind kind);
// Unknown for anything but the options of the kinds.
TLogKind LogKindOfOption(std::string_view option);

struct TLogGuess {
  TLogKind Kind = TLogKind::Unknown;
  TLogFault Fault = TLogFault::NoFault;  // set when Kind is Unknown
};

// The kind of the file or folder at `path`, from what it holds, never from its
// name: at most the first 4 KiB are read, whatever the file's size. An empty
// file takes the kind of the rotated FILE.1 beside it (logrotate leaves an
// empty log behind); a folder is a journal when it holds journal files.
TLogGuess GuessLogKind(const std::string& path);

// The kind of a file of `size` bytes that begins with `head` (the whole file
// when shorter than 4 KiB).
TLogKind LogKindOfHead(std::string_view head, uint64_t size);
inline constexpr size_t kLogHeadSize = 4096;
