#include "bootlog/event_source.h"

const char* const kUnknownUserName = "N/A";
