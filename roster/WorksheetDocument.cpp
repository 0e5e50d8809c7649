#include "roster/WorksheetDocument.h"

#include "entry/Assessment.h"
#include "report/device/TsPrinter.h"
#include "worksheets/AssessmentWorksheet.h"
#include "worksheets/WorksheetForm.h"

WorksheetDocument::WorksheetDocument(TTsPrinter& device, const QString& title) : device_(device), title_(title) {}

void WorksheetDocument::Append(const Assessment& soldier) {
  TWorksheetForm& worksheet = FillAssessmentWorksheet(soldier, {male_, female_, oneSite_});
  if (!begun_) {
    worksheet.Report->BeginDocumentOn(device_);
    device_.Title = title_;
    begun_ = true;
  }
  worksheet.Report->AppendPassTo(device_);
}

void WorksheetDocument::Finish() {
  if (begun_) device_.EndDoc();
}

void WorksheetDocument::Abandon() {
  if (begun_) device_.AbortDoc();
}
