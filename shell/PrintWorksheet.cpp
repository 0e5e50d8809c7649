#include "shell/PrintWorksheet.h"

#include "report/preview/ReportPreview.h"
#include "worksheets/OneSiteTexts.h"
#include "worksheets/WorksheetFilling.h"
#include "worksheets/WorksheetForm.h"

void PrintWorksheet(const Assessment& assessment, TMaleForm& male, TFemaleForm& female) {
  PreviewReport(*FillSelectedWorksheet(assessment, male, female).Report);
}

void PrintOneSiteWorksheet(const Assessment& assessment, TOneSiteForm& worksheet) {
  PreviewReport(*FillOneSiteWorksheet(assessment, worksheet).Report);
}
