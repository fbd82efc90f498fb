#pragma once

#include "bootlog/boot_table.h"
#include "bootlog/regional_formats.h"
#include "bootlog/session_event.h"

// Empties the table and rebuilds it from the log, newest event first. A time
// text that does not parse back throws EConvertError and leaves the table as
// gathered so far.
void ReadBootEvents(SessionSource& source, const RegionalFormats& formats, TBootTable& table);
