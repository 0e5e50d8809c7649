#include "roster/WorksheetDocument.h"

#include "entry/Assessment.h"
#include "report/device/TsPrinter.h"
#include "worksheets/OneSiteTexts.h"
#include "worksheets/WorksheetFilling.h"

WorksheetDocument::WorksheetDocument(TTsPrinter& device, const QString& title) : device_(device), title_(title) {}

void WorksheetDocument::Append(const Assessment& soldier) {
  TWorksheetForm& worksheet = soldier.method == TapeMethod::OneSite ? FillOneSiteWorksheet(soldier, oneSite_)
                                                                    : FillSelectedWorksheet(soldier, male_, female_);
  SetComplianceMarks(worksheet, soldier.Complies());
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
