#pragma once

#include <memory>

#include "bootlog/event_source.h"
#include "bootlog/regional_formats.h"

// Supplied by the platform: this computer's own System log and the user's
// regional date and time formats.
std::unique_ptr<EventSource> CreateSystemEventSource();
RegionalFormats SystemRegionalFormats();
