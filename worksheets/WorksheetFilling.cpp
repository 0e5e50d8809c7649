#include "worksheets/WorksheetFilling.h"

#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"

void FillWorksheet(TWorksheetForm& worksheet, const WorksheetTexts& texts) {
  for (const LabelText& entry : texts) worksheet.Label(entry.label).SetCaption(entry.text);
}

void SetComplianceMarks(TWorksheetForm& worksheet, bool withinStandards) {
  FillWorksheet(worksheet, ComplianceMarkTexts(withinStandards));
}

TWorksheetForm& FillSelectedWorksheet(const Assessment& assessment, TMaleForm& male, TFemaleForm& female) {
  if (SelectsFemaleWorksheet(assessment.page.Sex)) {
    FillWorksheet(female, FemaleWorksheetTexts(assessment.page, assessment.data));
    return female;
  }
  FillWorksheet(male, MaleWorksheetTexts(assessment.page, assessment.data));
  return male;
}
