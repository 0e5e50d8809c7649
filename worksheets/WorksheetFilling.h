#pragma once
// Filling the worksheets: the compliance marks set when a result is evaluated, and the
// value labels filled when the operator prints.

#include "entry/Assessment.h"
#include "worksheets/WorksheetTexts.h"

class TWorksheetForm;
class TMaleForm;
class TFemaleForm;

// Sets the worksheet's marks X1, X2 and X3 for the verdict; nothing else changes.
void SetComplianceMarks(TWorksheetForm& worksheet, bool withinStandards);

// Gives each named label its text, in order.
void FillWorksheet(TWorksheetForm& worksheet, const WorksheetTexts& texts);

// Fills the worksheet that the page's sex selects from the page texts and the record of a
// multi-site assessment, with its note (an exemption or a supplemental result), and returns
// it. An exempt soldier's worksheet prints the identification block and the screening
// alone.
TWorksheetForm& FillSelectedWorksheet(const Assessment& assessment, TMaleForm& male, TFemaleForm& female);
