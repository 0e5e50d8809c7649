#include "roster/ResultsTable.h"

#include "entry/DataPageRules.h"
#include "roster/CsvCells.h"
#include "roster/PolicyColumns.h"
#include "worksheets/WorksheetTexts.h"

#include <QStringList>

#include <functional>

namespace {

using ColumnValue = std::function<QString(const Assessment&, Sex)>;

// A result column: its header and its value for an accepted soldier of either sex, by
// either tape method. Values that only one sex or one method has are empty for the other;
// those of the tape are empty for a soldier exempt from it.
struct ResultColumn {
  const char* header;
  ColumnValue multiSite;
  ColumnValue oneSite = nullptr;  // none: the one-site method has no such value
  bool ofScreening = false;       // also for an exempt soldier, who was screened and not taped
};

QString Number(double value) { return TwoDecimals(value); }

ColumnValue OfSex(Sex sex, double TSoldierData::*field) {
  return [sex, field](const Assessment& assessment, Sex rowSex) {
    return rowSex == sex ? Number(assessment.data.*field) : QString();
  };
}

ColumnValue OfBoth(double TSoldierData::*field) {
  return [field](const Assessment& assessment, Sex) { return Number(assessment.data.*field); };
}

// Values of the data page and the verdict, alike for both methods.
QString MaxWeightText(const Assessment& assessment, Sex) { return QString::number(assessment.data.MaxWeight); }
QString OverScreeningText(const Assessment& assessment, Sex) {
  return assessment.overScreening ? QStringLiteral("yes") : QStringLiteral("no");
}
QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString VerdictText(const Assessment& assessment, Sex) { return Text(FinalVerdictName(assessment.Verdict())); }

// The one-site results as the results page shows them: body fat and maximum in whole
// percents; the average is the one the equation takes, rounded down to the half inch.
QString OneSiteAverage(const Assessment& assessment, Sex) {
  return QString::fromStdString(FormatHalfInches(assessment.oneSite->averageHalfInches));
}
QString OneSiteBodyFat(const Assessment& assessment, Sex) {
  return QString::number(assessment.oneSite->roundedBodyFat);
}
QString OneSiteMaxBodyFat(const Assessment& assessment, Sex) { return QString::number(assessment.oneSite->maxBodyFat); }

const std::vector<ResultColumn>& ResultColumns() {
  static const std::vector<ResultColumn> columns = {
      {"max_weight", MaxWeightText, MaxWeightText, true},
      {"over_screening", OverScreeningText, OverScreeningText, true},
      {"avg_neck", OfBoth(&TSoldierData::AvgNeck)},
      {"avg_abdomen", OfSex(Sex::Male, &TSoldierData::AvgWaist), OneSiteAverage},
      {"avg_hips", OfSex(Sex::Female, &TSoldierData::AvgHips)},
      {"avg_forearm", OfSex(Sex::Female, &TSoldierData::AvgArm)},
      {"avg_wrist", OfSex(Sex::Female, &TSoldierData::AvgWrist)},
      {"abdomen_neck_factor", OfSex(Sex::Male, &TSoldierData::AbdNeckFactor)},
      {"height_factor", OfBoth(&TSoldierData::HeightFactor)},
      {"weight_factor", OfSex(Sex::Female, &TSoldierData::WeightFactor)},
      {"hip_factor", OfSex(Sex::Female, &TSoldierData::HipFactor)},
      {"forearm_factor", OfSex(Sex::Female, &TSoldierData::ForearmFactor)},
      {"neck_factor", OfSex(Sex::Female, &TSoldierData::NeckFactor)},
      {"wrist_factor", OfSex(Sex::Female, &TSoldierData::WristFactor)},
      {"body_fat", OfBoth(&TSoldierData::BodyFat), OneSiteBodyFat},
      {"max_body_fat", OfBoth(&TSoldierData::MaxBodyFat), OneSiteMaxBodyFat},
      {"verdict", VerdictText, VerdictText, true},
  };
  return columns;
}

// The tape's own verdict, beside the final one; empty for an exempt soldier.
QString TapeVerdictText(const Assessment& assessment, Sex) {
  const std::optional<bool> within = assessment.TapeWithin();
  if (!within) return QString();
  return Text(FinalVerdictName(*within ? FinalVerdict::Within : FinalVerdict::NotWithin));
}

// The date, the fitness test, the exemption and the supplemental result, alike for both
// methods and for an exempt soldier.
QString DateText(const Assessment& assessment, Sex) { return QString::fromStdString(FormatIsoDate(assessment.date)); }
QString TestTotalText(const Assessment& assessment, Sex) {
  return assessment.exemption && assessment.exemption->test ? QString::number(assessment.exemption->test->Total())
                                                            : QString();
}
QString ExemptUntilText(const Assessment& assessment, Sex) {
  const std::optional<CalendarDate> until = assessment.exemption ? assessment.exemption->ExemptUntil() : std::nullopt;
  return until ? QString::fromStdString(FormatIsoDate(*until)) : QString();
}
QString SupplementalMethodText(const Assessment& assessment, Sex) {
  return assessment.supplemental ? Text(SupplementalMethodName(assessment.supplemental->method)).toLower() : QString();
}
QString SupplementalBodyFatText(const Assessment& assessment, Sex) {
  return assessment.supplemental ? QString::fromStdString(FormatBodyFatTenths(assessment.supplemental->bodyFatTenths))
                                 : QString();
}

const ResultColumn kTapeVerdictColumn = {"tape_verdict", TapeVerdictText, TapeVerdictText, true};

const std::vector<ResultColumn>& PolicyColumns() {
  static const std::vector<ResultColumn> columns = {
      {"date", DateText, DateText, true},
      {"aft_total", TestTotalText, TestTotalText, true},
      {"exempt_until", ExemptUntilText, ExemptUntilText, true},
      {"supplemental_method", SupplementalMethodText, SupplementalMethodText, true},
      {"supplemental_body_fat", SupplementalBodyFatText, SupplementalBodyFatText, true},
  };
  return columns;
}

// A refused row, which has no assessment, has no results.
QString ColumnText(const ResultColumn& column, const SoldierRow& row, Sex sex) {
  if (!row.assessment) return QString();
  const Assessment& assessment = *row.assessment;
  if (assessment.Exempt() && !column.ofScreening) return QString();
  if (assessment.method == TapeMethod::MultiSite) return column.multiSite(assessment, sex);
  return column.oneSite ? column.oneSite(assessment, sex) : QString();
}

}  // namespace

ResultsShape ResultsShapeOf(const RosterHeader& header) { return {header.Has("method"), HasPolicyColumns(header)}; }

QByteArray ResultsHeaderLine(ResultsShape shape) {
  QStringList headers = {QStringLiteral("line"), QStringLiteral("name"), QStringLiteral("rank"), QStringLiteral("sex"),
                         QStringLiteral("status")};
  for (const ResultColumn& column : ResultColumns()) headers << QLatin1String(column.header);
  if (shape.policy) headers << QLatin1String(kTapeVerdictColumn.header);
  if (shape.method) headers << QStringLiteral("method");
  if (shape.policy)
    for (const ResultColumn& column : PolicyColumns()) headers << QLatin1String(column.header);
  return CsvLine(headers);
}

QByteArray ResultsLine(int rosterLine, const SoldierRow& row, ResultsShape shape) {
  QStringList fields = {QString::number(rosterLine), TextCell(row.name), TextCell(row.rank), TextCell(row.sex),
                        row.refusal ? QStringLiteral("refused: ") + row.refusal->message : QStringLiteral("ok")};
  const Sex sex = row.sex == SexItem(Sex::Female) ? Sex::Female : Sex::Male;
  for (const ResultColumn& column : ResultColumns()) fields << ColumnText(column, row, sex);
  if (shape.policy) fields << ColumnText(kTapeVerdictColumn, row, sex);
  if (shape.method) fields << TextCell(row.method);
  if (shape.policy)
    for (const ResultColumn& column : PolicyColumns()) fields << ColumnText(column, row, sex);
  return CsvLine(fields);
}
