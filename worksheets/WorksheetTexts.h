#pragma once
// What the worksheets print: for each filled label, in the order of assignment, the text
// it receives from the data page's fields and the soldier's record.

#include "entry/DataPageTexts.h"
#include "standards/Records.h"

#include <QString>

#include <vector>

struct LabelText {
  QString label;
  QString text;
};
using WorksheetTexts = std::vector<LabelText>;

// Only the exact item string "Female" selects the female worksheet.
bool SelectsFemaleWorksheet(const QString& sexText);

// The male worksheet's 24 printed labels, in order of assignment.
WorksheetTexts MaleWorksheetTexts(const DataPageTexts& page, const TSoldierData& data);
// The female worksheet's 31 printed labels, in order of assignment.
WorksheetTexts FemaleWorksheetTexts(const DataPageTexts& page, const TSoldierData& data);
// Every worksheet opens with the identification block, taken from the page as typed.
void AppendIdentity(WorksheetTexts& texts, const DataPageTexts& page);
// The three check marks X1, X2, X3 for a verdict.
WorksheetTexts ComplianceMarkTexts(bool withinStandards);

// The value formats of the worksheets.
QString TwoDecimals(double value);                 // "##0.00"
QString PoundsText(const QString& weightField);    // the field's text and " lbs."
QString PoundsNumber(int pounds);                  // the integer and " lbs."
