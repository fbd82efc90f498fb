#pragma once

#include "bootlog/boot_table.h"
#include "bootlog/event_source.h"
#include "bootlog/regional_formats.h"

// Empties the table and rebuilds it from the log, newest event first. A time
// text that does not parse back throws EConvertError and leaves the table as
// gathered so far.
void ReadBootEvents(EventSource& source, const RegionalFormats& formats, TBootTable& table);
