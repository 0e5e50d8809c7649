#pragma once
// Print Form: fills the worksheet of an assessment and opens it in the print preview.

#include "entry/Assessment.h"
#include "worksheets/AssessmentWorksheet.h"

#include <functional>

// Fills the assessment's worksheet (the one-site worksheet, or the page's sex's multi-site
// form) with its compliance marks and opens its print preview; returns once the preview
// window has closed. `printedOrSaved`, when given, runs each time the preview's Print has
// handed the worksheet to the printer or its Save has written it to a file (a page file or a
// PDF); a print or a save that failed does not run it. It replaces what an earlier call gave
// the same worksheet, as the worksheet's preview then shows this assessment.
void PrintWorksheet(const Assessment& assessment, const WorksheetForms& forms,
                    std::function<void()> printedOrSaved = {});
