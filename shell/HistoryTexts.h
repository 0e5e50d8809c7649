#pragma once
// What a soldier's history shows of each assessment, on the console (--history) and in the
// History window alike.

#include "records/AssessmentRecord.h"

#include <QString>

// Whether the assessment has a body fat to show: a soldier exempt from the tape has none,
// nor a maximum it was compared with, unless a supplemental result was kept.
bool ShowsBodyFat(const AssessmentRecord& record);
// The final body fat as the results page shows it: the supplemental result's to the tenth
// when there is one, else the tape's (two decimals, or the whole percent of the one-site
// method); empty when there is none.
QString HistoryBodyFat(const AssessmentRecord& record);
// The maximum body fat as the results page shows it; empty when there is no body fat.
QString HistoryMaxBodyFat(const AssessmentRecord& record);
// The final verdict: "within", "not within" or "exempt".
QString HistoryVerdict(const AssessmentRecord& record);
// "multi-site" or "one-site".
QString HistoryMethod(const AssessmentRecord& record);
