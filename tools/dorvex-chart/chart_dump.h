#pragma once

#include <string>

#include "chart/chart.h"

// The text dump of what the last paint of `chart` laid out and drew.
std::string ChartDump(TChart& chart);
