#include "roster/WorksheetDocument.h"

#include "report/device/TsPrinter.h"
#include "roster/SoldierRow.h"
#include "worksheets/OneSiteTexts.h"
#include "worksheets/WorksheetFilling.h"

WorksheetDocument::WorksheetDocument(TTsPrinter& device, const QString& title) : device_(device), title_(title) {}

void WorksheetDocument::Append(const SoldierRow& soldier) {
  TWorksheetForm& worksheet = soldier.oneSite
                                  ? FillOneSiteWorksheet(soldier.page, soldier.data, *soldier.oneSite, oneSite_)
                                  : FillSelectedWorksheet(soldier.page, soldier.data, male_, female_);
  SetComplianceMarks(worksheet, soldier.within);
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
