#pragma once
// The chart of the History window: a soldier's weight and body fat over time, with the
// maximum body fat as a line.

#include "records/AssessmentRecord.h"

#include <span>

class QChart;

// Draws the history (oldest first) on the chart, in place of what it showed: the weight in
// pounds on the left axis, the body fat and its maximum in percent on the right one, the
// dates below. An assessment without a body fat (exempt from the tape) has its weight alone.
void DrawHistoryChart(QChart& chart, std::span<const AssessmentRecord> history);
