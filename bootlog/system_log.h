#pragma once

#include <memory>
#include <string>
#include <vector>

#include "bootlog/regional_formats.h"
#include "bootlog/session_event.h"

// Supplied by the platform: this computer's own System log and the user's
// regional date and time formats.
std::unique_ptr<SessionSource> CreateSystemEventSource();
RegionalFormats SystemRegionalFormats();
// Where this computer's history is looked for, when none of it is there (a
// fresh Linux system); empty when there is some, and on Windows, whose System
// log is always there.
std::vector<std::string> AbsentSystemLogPlaces();

// Log files the developer tools name, read with this platform's account
// lookup: a saved System log (.evt or .evtx) and a wtmpdb database (with FILE.1,
// where logrotate renames it, after it). nullptr, with why in `problem` (naming
// the file), when the file cannot serve as one. Accounts of saved logs that
// this computer cannot name show as SID texts.
std::unique_ptr<SessionSource> OpenSavedSystemLog(const std::string& path, std::string& problem);
std::unique_ptr<SessionSource> OpenSavedEvtxLog(const std::string& path, std::string& problem);
std::unique_ptr<SessionSource> OpenLoginDatabase(const std::string& path, std::string& problem);

// For the tools' --journal: this computer's boot and login records without
// what the platform joins to them, and the sleeps a systemd journal (a file
// or a folder of them) records, to join to a log.
std::unique_ptr<SessionSource> CreateLoginRecordSource();
std::unique_ptr<SessionSource> OpenJournal(const std::string& path, std::string& problem);
