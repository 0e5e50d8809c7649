#include "worksheets/AssessmentWorksheet.h"

#include "worksheets/OneSiteTexts.h"
#include "worksheets/WorksheetFilling.h"

TWorksheetForm& FillAssessmentWorksheet(const Assessment& assessment, const WorksheetForms& forms) {
  TWorksheetForm& worksheet = assessment.method == TapeMethod::OneSite
                                  ? FillOneSiteWorksheet(assessment, forms.oneSite)
                                  : FillSelectedWorksheet(assessment, forms.male, forms.female);
  SetComplianceMarks(worksheet, assessment.Complies());
  return worksheet;
}
