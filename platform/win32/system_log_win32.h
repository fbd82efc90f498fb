#pragma once

#include <memory>

#include "bootlog/event_source.h"

// This computer's own System log through advapi32, its accounts named in UTF-8.
std::unique_ptr<EventSource> LiveSystemLog();
