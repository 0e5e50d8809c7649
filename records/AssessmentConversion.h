#pragma once
// An assessment as the records keep it, and back: the wizard and the roster record the
// assessment they hold, and a kept record gives back an assessment that fills the same
// worksheet as the one printed then.

#include "entry/Assessment.h"
#include "records/AssessmentRecord.h"

// The record of an assessment, with the checksum of the tables its results came from. Only
// what the assessment's method and the soldier's sex took is kept: the other sex's sets, the
// multi-site sets and factors of a one-site assessment and every measurement and body fat of
// a soldier exempt from the tape stay 0, whatever the wizard's record still holds of an
// earlier soldier. The identity is the data page's as typed: the name and rank trimmed, the
// SSAN when all nine digits were typed.
AssessmentRecord AssessmentRecordOf(const Assessment& assessment, const QString& tablesChecksum);

// The assessment a record was made from, as far as the worksheet and the verdicts read it:
// the data page as typed, the soldier's record with the measurements and results, the
// one-site steps, the exemption and the supplemental result. An exemption holds what the
// record kept (the test, whether it exempted and until when); the reasons a test did not
// exempt are not kept. AssessmentRecordOf of the result gives the record again.
Assessment AssessmentOf(const AssessmentRecord& record);
