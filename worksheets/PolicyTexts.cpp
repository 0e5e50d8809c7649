#include "worksheets/PolicyTexts.h"

#include "worksheets/WorksheetForm.h"

#include <algorithm>
#include <array>

namespace {

const QString kNoteLabel = QStringLiteral("PolicyNote");

// The labels an exempt soldier's worksheet keeps: the identification block and the weights.
constexpr std::array<const char*, 8> kScreeningLabels = {"Name",   "SSANumber", "Rank",      "Age",
                                                         "Height", "Weight",    "MaxWeight", "AWeight"};

bool IsScreeningLabel(const QString& label) {
  return std::any_of(kScreeningLabels.begin(), kScreeningLabels.end(),
                     [&label](const char* name) { return label == QLatin1String(name); });
}

}  // namespace

QString AssessmentDateText(CalendarDate date) {
  return date.ok() ? QString::fromStdString(FormatIsoDate(date)) : QString();
}

QString PolicyNoteText(const Assessment& assessment) {
  if (assessment.Exempt())
    return QString::fromStdString(DescribeExemption(*assessment.exemption)) +
           QStringLiteral(": no tape measurement was taken.");
  if (assessment.supplemental && assessment.TakesSupplemental())
    return QString::fromStdString(DescribeSupplemental(*assessment.supplemental, assessment.MaxBodyFat()));
  return QString();
}

void FillPolicyNote(TWorksheetForm& worksheet, const Assessment& assessment) {
  TTsLabel& note = worksheet.Label(kNoteLabel);
  const QString text = PolicyNoteText(assessment);
  note.SetCaption(text);
  note.Enabled = !text.isEmpty();
}

WorksheetTexts ScreeningOnly(WorksheetTexts texts) {
  for (LabelText& entry : texts)
    if (!IsScreeningLabel(entry.label)) entry.text.clear();
  return texts;
}
