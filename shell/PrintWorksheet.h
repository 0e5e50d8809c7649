#pragma once
// Print Form: fills the worksheet of the results and opens it in the print preview.

#include "entry/Assessment.h"

class TMaleForm;
class TFemaleForm;
class TOneSiteForm;

// Fills the worksheet that the page's sex selects for a multi-site assessment and opens its
// print preview; returns once the preview window has closed.
void PrintWorksheet(const Assessment& assessment, TMaleForm& male, TFemaleForm& female);

// Fills the one-site worksheet for a one-site assessment and opens its print preview;
// returns once the preview window has closed.
void PrintOneSiteWorksheet(const Assessment& assessment, TOneSiteForm& worksheet);
