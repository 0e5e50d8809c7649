#pragma once
// A soldier's history as CSV, as --history writes it: the header
// `date,name,rank,method,weight,body_fat,max_body_fat,verdict,abcp` and a line per
// assessment, oldest first, in the results file's CSV (CR LF, quoted where needed, a name
// or rank a spreadsheet would run as a formula kept as text). No SSAN.

#include "records/AssessmentRecord.h"

#include <QByteArray>

#include <span>

// `history` is one soldier's assessments, oldest first. The date is yyyy-MM-dd; body fat
// and maximum read as the results page shows them (two decimals, whole percents for the
// one-site method), and with a supplemental result the body fat is that result's, to the
// tenth, and both are empty for a soldier exempt from the tape (HistoryTexts.h); the verdict
// is the final one, `within`, `not within` or `exempt`; abcp is the progress in the
// weight-control program, or empty.
QByteArray HistoryCsv(std::span<const AssessmentRecord> history);
