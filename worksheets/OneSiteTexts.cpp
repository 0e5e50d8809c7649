#include "worksheets/OneSiteTexts.h"

#include "worksheets/OneSiteWorksheet.h"
#include "worksheets/PolicyTexts.h"
#include "worksheets/WorksheetFilling.h"

namespace {

QString HalfInches(int32_t halfInches) { return QString::fromStdString(FormatHalfInches(halfInches)); }

// " - (0.12 × weight)": the coefficient's sign as the operator, then the term.
QString Term(int64_t coefficient, const QString& quantity) {
  return (coefficient < 0 ? QStringLiteral(" - (") : QStringLiteral(" + (")) +
         QString::fromStdString(FormatCoefficientMagnitude(coefficient)) + QStringLiteral(" × ") + quantity +
         QLatin1Char(')');
}

// The intercept with its sign, then the two terms.
QString EquationText(const OneSiteEquation& equation, const QString& weight, const QString& abdomen) {
  const QString intercept = QString::fromStdString(FormatCoefficientMagnitude(equation.Intercept));
  return (equation.Intercept < 0 ? QStringLiteral("-") : QString()) + intercept + Term(equation.PerPound, weight) +
         Term(equation.PerInch, abdomen);
}

}  // namespace

WorksheetTexts OneSiteWorksheetTexts(const DataPageTexts& page, const TSoldierData& data,
                                     const OneSiteResult& result) {
  WorksheetTexts texts;
  AppendIdentity(texts, page);
  constexpr int kFourth = 3;
  for (int i = 0; i < static_cast<int>(result.halfInches.size()); ++i) {
    const QString number = QString::number(i + 1);
    const bool taken = i < result.count;
    QString note;
    if (i == result.setAside) note = QStringLiteral("not used");
    if (i == kFourth && !taken) note = QStringLiteral("not needed");
    texts.push_back({QStringLiteral("Abs") + number, taken ? HalfInches(result.halfInches[i]) : QString()});
    texts.push_back({QStringLiteral("Note") + number, note});
  }
  const QString average = HalfInches(result.averageHalfInches);
  const QString rounded = QString::number(result.roundedBodyFat);
  texts.push_back({QStringLiteral("Abs"), QString::fromStdString(FormatAverageOfThree(result.sumOfThree))});
  texts.push_back({QStringLiteral("AvgAbs"), average});
  texts.push_back({QStringLiteral("WeightUsed"), QString::number(result.weight)});
  texts.push_back({QStringLiteral("Equation"),
                   (result.sex == Sex::Female ? QStringLiteral("Women: ") : QStringLiteral("Men: ")) +
                       EquationText(result.equation, QStringLiteral("weight"), QStringLiteral("abdomen"))});
  texts.push_back({QStringLiteral("EquationFilled"),
                   QStringLiteral("= ") + EquationText(result.equation, QString::number(result.weight), average)});
  texts.push_back({QStringLiteral("BFC"), QString::fromStdString(FormatBodyFat(result.bodyFat))});
  texts.push_back({QStringLiteral("RoundedBFC"), rounded});
  texts.push_back({QStringLiteral("AWeight"), PoundsText(page.Weight)});
  texts.push_back({QStringLiteral("ABFC"), rounded});
  texts.push_back({QStringLiteral("MaxBFC"), QString::number(result.maxBodyFat)});
  texts.push_back({QStringLiteral("MaxWeight"), PoundsNumber(data.MaxWeight)});
  return texts;
}

WorksheetTexts ExemptOneSiteTexts(const DataPageTexts& page, const TSoldierData& data) {
  WorksheetTexts texts = ScreeningOnly(OneSiteWorksheetTexts(page, data, OneSiteResult{}));
  for (LabelText& entry : texts)
    if (entry.label == QLatin1String("Equation"))
      entry.text = QStringLiteral("No tape measurement: exempt from the body fat standard (see REMARKS).");
  return texts;
}

TWorksheetForm& FillOneSiteWorksheet(const Assessment& assessment, TOneSiteForm& worksheet) {
  FillWorksheet(worksheet, assessment.Exempt()
                               ? ExemptOneSiteTexts(assessment.page, assessment.data)
                               : OneSiteWorksheetTexts(assessment.page, assessment.data, assessment.oneSite.value()));
  worksheet.Label(QStringLiteral("AssessmentDate")).SetCaption(AssessmentDateText(assessment.date));
  FillPolicyNote(worksheet, assessment);
  return worksheet;
}
