#include "shell/PrintWorksheet.h"

#include "report/preview/ReportPreview.h"
#include "worksheets/WorksheetForm.h"

void PrintWorksheet(const Assessment& assessment, const WorksheetForms& forms, std::function<void()> printedOrSaved) {
  TReport& report = *FillAssessmentWorksheet(assessment, forms).Report;
  report.AfterPrint = printedOrSaved;
  report.AfterSave = std::move(printedOrSaved);
  PreviewReport(report);
}
