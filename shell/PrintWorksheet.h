#pragma once
// Print Form: fills the worksheet of the results and opens it in the print preview.

#include "standards/Records.h"
#include "worksheets/WorksheetTexts.h"

struct OneSiteResult;
class TMaleForm;
class TFemaleForm;
class TOneSiteForm;

// Fills the worksheet that the page's sex selects and opens its print preview; returns
// once the preview window has closed.
void PrintWorksheet(const DataPageTexts& page, const TSoldierData& data, TMaleForm& male,
                    TFemaleForm& female);

// Fills the one-site worksheet and opens its print preview; returns once the preview
// window has closed.
void PrintOneSiteWorksheet(const DataPageTexts& page, const TSoldierData& data, const OneSiteResult& result,
                           TOneSiteForm& worksheet);
