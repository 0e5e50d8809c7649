#include "worksheets/WorksheetTexts.h"

#include "standards/NumberFormat.h"

bool SelectsFemaleWorksheet(const QString& sexText) {
  return sexText == QStringLiteral("Female");
}

QString TwoDecimals(double value) {
  return QString::fromStdString(FormatFixed2(value));
}

QString PoundsText(const QString& weightField) {
  return weightField + QStringLiteral(" lbs.");
}

QString PoundsNumber(int pounds) {
  return QString::number(pounds) + QStringLiteral(" lbs.");
}

void AppendIdentity(WorksheetTexts& texts, const DataPageTexts& page) {
  texts.push_back({QStringLiteral("Name"), page.Name});
  texts.push_back({QStringLiteral("SSANumber"), page.SSANumber});
  texts.push_back({QStringLiteral("Rank"), page.Rank});
  texts.push_back({QStringLiteral("Age"), page.Age});
  texts.push_back({QStringLiteral("Height"), page.Height});
  texts.push_back({QStringLiteral("Weight"), page.Weight});
}

namespace {

// Three measurements of a set (labels <prefix>1 to <prefix>3) and their average.
void AppendSet(WorksheetTexts& texts, const QString& prefix, const std::array<double, 3>& set,
               const QString& averageLabel, double average) {
  for (int i = 0; i < 3; ++i)
    texts.push_back({prefix + QString::number(i + 1), TwoDecimals(set[static_cast<size_t>(i)])});
  texts.push_back({averageLabel, TwoDecimals(average)});
}

}  // namespace

WorksheetTexts MaleWorksheetTexts(const DataPageTexts& page, const TSoldierData& data) {
  WorksheetTexts texts;
  AppendIdentity(texts, page);
  AppendSet(texts, QStringLiteral("Abs"), data.Waist, QStringLiteral("Abs"), data.AvgWaist);
  texts.push_back({QStringLiteral("AvgAbs"), TwoDecimals(data.AvgWaist)});
  AppendSet(texts, QStringLiteral("MNeck"), data.MNeck, QStringLiteral("MNeck"), data.AvgNeck);
  texts.push_back({QStringLiteral("AvgNeck"), TwoDecimals(data.AvgNeck)});
  texts.push_back({QStringLiteral("ANFactor"), TwoDecimals(data.AbdNeckFactor)});
  texts.push_back({QStringLiteral("HFactor"), TwoDecimals(data.HeightFactor)});
  texts.push_back({QStringLiteral("Total1"), TwoDecimals(data.AvgWaist - data.AvgNeck)});
  texts.push_back({QStringLiteral("BFC"), TwoDecimals(data.BodyFat)});
  texts.push_back({QStringLiteral("ABFC"), TwoDecimals(data.BodyFat)});
  texts.push_back({QStringLiteral("AWeight"), PoundsText(page.Weight)});
  texts.push_back({QStringLiteral("MaxBFC"), TwoDecimals(data.MaxBodyFat)});
  texts.push_back({QStringLiteral("MaxWeight"), PoundsNumber(data.MaxWeight)});
  return texts;
}

WorksheetTexts FemaleWorksheetTexts(const DataPageTexts& page, const TSoldierData& data) {
  WorksheetTexts texts;
  AppendIdentity(texts, page);
  AppendSet(texts, QStringLiteral("Hips"), data.Hips, QStringLiteral("Hips"), data.AvgHips);
  AppendSet(texts, QStringLiteral("Arm"), data.Arm, QStringLiteral("Arm"), data.AvgArm);
  AppendSet(texts, QStringLiteral("FNeck"), data.FNeck, QStringLiteral("FNeck"), data.AvgNeck);
  AppendSet(texts, QStringLiteral("Wrist"), data.Wrist, QStringLiteral("Wrist"), data.AvgWrist);
  texts.push_back({QStringLiteral("WFactor"), TwoDecimals(data.WeightFactor)});
  texts.push_back({QStringLiteral("HFactor"), TwoDecimals(data.HipFactor)});
  texts.push_back({QStringLiteral("HtFactor"), TwoDecimals(data.HeightFactor)});
  texts.push_back({QStringLiteral("FFactor"), TwoDecimals(data.ForearmFactor)});
  texts.push_back({QStringLiteral("NFactor"), TwoDecimals(data.NeckFactor)});
  texts.push_back({QStringLiteral("WrFactor"), TwoDecimals(data.WristFactor)});
  texts.push_back({QStringLiteral("Total1"), TwoDecimals(data.WeightFactor + data.HipFactor)});
  // Added left to right in extended precision, as the body fat's line 11H is formed.
  const long double heightSide = static_cast<long double>(data.HeightFactor) +
                                 data.ForearmFactor + data.NeckFactor + data.WristFactor;
  texts.push_back({QStringLiteral("Total2"), TwoDecimals(static_cast<double>(heightSide))});
  texts.push_back({QStringLiteral("ActualBFC"), TwoDecimals(data.BodyFat)});
  return texts;
}

WorksheetTexts ComplianceMarkTexts(bool withinStandards) {
  const QString mark = QStringLiteral("X");
  return {{QStringLiteral("X1"), withinStandards ? mark : QString()},
          {QStringLiteral("X2"), withinStandards ? QString() : mark},
          {QStringLiteral("X3"), withinStandards ? QString() : mark}};
}
