#include "worksheets/WorksheetFilling.h"

#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"

void FillWorksheet(TWorksheetForm& worksheet, const WorksheetTexts& texts) {
  for (const LabelText& entry : texts) worksheet.Label(entry.label).SetCaption(entry.text);
}

void SetComplianceMarks(TWorksheetForm& worksheet, bool withinStandards) {
  FillWorksheet(worksheet, ComplianceMarkTexts(withinStandards));
}

TWorksheetForm& FillSelectedWorksheet(const DataPageTexts& page, const TSoldierData& data,
                                      TMaleForm& male, TFemaleForm& female) {
  if (SelectsFemaleWorksheet(page.Sex)) {
    FillWorksheet(female, FemaleWorksheetTexts(page, data));
    return female;
  }
  FillWorksheet(male, MaleWorksheetTexts(page, data));
  return male;
}
