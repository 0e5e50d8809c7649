#include "shell/PrintWorksheet.h"

#include "report/preview/ReportPreview.h"
#include "worksheets/OneSiteTexts.h"
#include "worksheets/WorksheetFilling.h"
#include "worksheets/WorksheetForm.h"

void PrintWorksheet(const DataPageTexts& page, const TSoldierData& data, TMaleForm& male,
                    TFemaleForm& female) {
  PreviewReport(*FillSelectedWorksheet(page, data, male, female).Report);
}

void PrintOneSiteWorksheet(const DataPageTexts& page, const TSoldierData& data, const OneSiteResult& result,
                           TOneSiteForm& worksheet) {
  PreviewReport(*FillOneSiteWorksheet(page, data, result, worksheet).Report);
}
