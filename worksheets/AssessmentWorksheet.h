#pragma once
// The worksheet of an assessment, whichever it is: the one-site worksheet for the one-site
// method, else DA Form 5500-ER or 5501-ER by the data page's sex.

#include "entry/Assessment.h"

class TWorksheetForm;
class TMaleForm;
class TFemaleForm;
class TOneSiteForm;

// The three worksheets an assessment may fill.
struct WorksheetForms {
  TMaleForm& male;
  TFemaleForm& female;
  TOneSiteForm& oneSite;
};

// Fills the assessment's worksheet as Print Form fills it, sets its compliance marks for
// the final verdict, and returns it.
TWorksheetForm& FillAssessmentWorksheet(const Assessment& assessment, const WorksheetForms& forms);
