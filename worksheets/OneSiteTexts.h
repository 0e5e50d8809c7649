#pragma once
// What the one-site worksheet prints, and its filling.

#include "entry/Assessment.h"
#include "standards/OneSite.h"
#include "worksheets/WorksheetTexts.h"

class TOneSiteForm;
class TWorksheetForm;

// The worksheet's printed labels in order of assignment: the identification block from the
// page as typed, the measurements, the average, the weight and the equation of the result,
// the remarks block with the record's maximum weight.
WorksheetTexts OneSiteWorksheetTexts(const DataPageTexts& page, const TSoldierData& data,
                                     const OneSiteResult& result);

// The worksheet of a soldier exempt from the tape: the identification block and the
// screening, and in place of the equation the statement that no tape was taken.
WorksheetTexts ExemptOneSiteTexts(const DataPageTexts& page, const TSoldierData& data);

// Gives the worksheet's labels those texts for a one-site assessment (its one-site result
// set, or the exemption), the date of the assessment and the note (an exemption or a
// supplemental result), and returns it; its marks are the verdict's, set when the result
// was evaluated.
TWorksheetForm& FillOneSiteWorksheet(const Assessment& assessment, TOneSiteForm& worksheet);
