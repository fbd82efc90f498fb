#pragma once

#include <cstdint>

#include "bootlog/boot_table.h"
#include "bootlog/regional_formats.h"
#include "bootlog/session_event.h"

// An asleep period, or a stretch awake between two with no logon in it,
// shorter than this many seconds does not count: it splits no session.
inline constexpr int64_t kShortestCounted = 60;

// Empties the table and rebuilds it from the log, newest event first. A time
// text that does not parse back throws EConvertError and leaves the table as
// gathered so far.
void ReadBootEvents(SessionSource& source, const RegionalFormats& formats, TBootTable& table);
