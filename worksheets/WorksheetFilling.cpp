#include "worksheets/WorksheetFilling.h"

#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/PolicyTexts.h"

void FillWorksheet(TWorksheetForm& worksheet, const WorksheetTexts& texts) {
  for (const LabelText& entry : texts) worksheet.Label(entry.label).SetCaption(entry.text);
}

void SetComplianceMarks(TWorksheetForm& worksheet, bool withinStandards) {
  FillWorksheet(worksheet, ComplianceMarkTexts(withinStandards));
}

TWorksheetForm& FillSelectedWorksheet(const Assessment& assessment, TMaleForm& male, TFemaleForm& female) {
  const bool ofWoman = SelectsFemaleWorksheet(assessment.page.Sex);
  TWorksheetForm& worksheet = ofWoman ? static_cast<TWorksheetForm&>(female) : male;
  WorksheetTexts texts = ofWoman ? FemaleWorksheetTexts(assessment.page, assessment.data)
                                 : MaleWorksheetTexts(assessment.page, assessment.data);
  FillWorksheet(worksheet, assessment.Exempt() ? ScreeningOnly(std::move(texts)) : texts);
  FillPolicyNote(worksheet, assessment);
  return worksheet;
}
