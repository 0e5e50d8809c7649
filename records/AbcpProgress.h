#pragma once
// The monthly progress of the Army Body Composition Program (AR 600-9) over one soldier's
// assessments.

#include "records/AssessmentRecord.h"

#include <QString>

#include <span>
#include <vector>

enum class AbcpProgress {
  None,            // not in the program, or nothing to say
  Enrolled,        // the first assessment not within the standard
  Released,        // within the standard again (or exempt): the enrolment ends
  Satisfactory,    // still not within, but 3 lb or 1 percentage point down
  Unsatisfactory,  // still not within, without that progress
  Failing,         // unsatisfactory twice in a row, or a third time after 6 months
};

// The progress of each of one soldier's assessments, given in date order (oldest first,
// one a day): the result has one entry per assessment.
//
// - An assessment meets the standard when its final verdict is within (with a
//   supplemental result, that result's verdict) or the soldier is exempt. Body fat means
//   the final one: the supplemental result's when there is one, else the tape's as shown
//   (two decimals, or the whole percent of the one-site method). Weights are whole
//   pounds and body fat is compared in hundredths, so every comparison is exact.
// - Not enrolled, an assessment that does not meet the standard enrols the soldier; any
//   other has no progress.
// - Enrolled, one that meets it releases the soldier. One that does not is satisfactory
//   when, against the assessment just before it, the weight is down by 3 lb or more or the
//   body fat by 1.00 point or more; else it is unsatisfactory, and failing when the one
//   before was unsatisfactory (or failing) too, or when it is at least 6 calendar months
//   after the enrolment and the enrolment has had 3 or more unsatisfactory ones. That
//   count takes the assessment itself in, as the regulation counts the assessments that
//   have been unsatisfactory once this one is made; a failing one counts as unsatisfactory
//   in the count and in a row.
// - 6 calendar months after an enrolment is the same day of the month 6 months later, or
//   that month's last day when it is shorter (31 August: 28 or 29 February): PlusMonths,
//   which the exemption's dates follow.
std::vector<AbcpProgress> AbcpProgressOf(std::span<const AssessmentRecord> history);

// "enrolled", "released", "satisfactory", "unsatisfactory", "failing"; empty for None.
QString AbcpProgressName(AbcpProgress progress);
