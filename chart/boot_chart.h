#pragma once

#include "bootlog/boot_table.h"
#include "chart/bar_series.h"
#include "chart/chart.h"
#include "chart/marks_tip.h"

// Chart1 as the main window lays it out: white, flat, one cylinder bar series
// with a colour per point and hidden marks, the hours title on the left axis,
// and the hover tip ChartTool1 showing label and value.
void SetupBootChart(TChart& chart);

TBarSeries& Series1(TChart& chart);
TMarksTipTool& ChartTool1(TChart& chart);

// The refresh's chart step: one bar per record with a start time, oldest
// first, as high as its running hours and labelled with its start date.
void FillBootChart(TChart& chart, const TBootTable& table);
