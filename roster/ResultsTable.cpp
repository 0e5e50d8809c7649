#include "roster/ResultsTable.h"

#include "roster/CsvCells.h"
#include "shell/datapage/DataPageRules.h"

#include <QStringList>

#include <functional>

namespace {

using ColumnValue = std::function<QString(const SoldierRow&, Sex)>;

// A result column: its header and its value for an accepted soldier of either sex, by
// either tape method. Values that only one sex or one method has are empty for the other.
struct ResultColumn {
  const char* header;
  ColumnValue multiSite;
  ColumnValue oneSite = nullptr;  // none: the one-site method has no such value
};

QString Number(double value) { return TwoDecimals(value); }

ColumnValue OfSex(Sex sex, double TSoldierData::*field) {
  return [sex, field](const SoldierRow& row, Sex rowSex) { return rowSex == sex ? Number(row.data.*field) : QString(); };
}

ColumnValue OfBoth(double TSoldierData::*field) {
  return [field](const SoldierRow& row, Sex) { return Number(row.data.*field); };
}

// Values of the data page and the verdict, alike for both methods.
QString MaxWeightText(const SoldierRow& row, Sex) { return QString::number(row.data.MaxWeight); }
QString OverScreeningText(const SoldierRow& row, Sex) {
  return row.overScreening ? QStringLiteral("yes") : QStringLiteral("no");
}
QString VerdictText(const SoldierRow& row, Sex) {
  return row.within ? QStringLiteral("within") : QStringLiteral("not within");
}

// The one-site results as the results page shows them: body fat and maximum in whole
// percents; the average is the one the equation takes, rounded down to the half inch.
QString OneSiteAverage(const SoldierRow& row, Sex) {
  return QString::fromStdString(FormatHalfInches(row.oneSite->averageHalfInches));
}
QString OneSiteBodyFat(const SoldierRow& row, Sex) { return QString::number(row.oneSite->roundedBodyFat); }
QString OneSiteMaxBodyFat(const SoldierRow& row, Sex) { return QString::number(row.oneSite->maxBodyFat); }

const std::vector<ResultColumn>& ResultColumns() {
  static const std::vector<ResultColumn> columns = {
      {"max_weight", MaxWeightText, MaxWeightText},
      {"over_screening", OverScreeningText, OverScreeningText},
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
      {"verdict", VerdictText, VerdictText},
  };
  return columns;
}

QString ColumnText(const ResultColumn& column, const SoldierRow& row, Sex sex) {
  if (row.refusal) return QString();
  if (!row.oneSite) return column.multiSite(row, sex);
  return column.oneSite ? column.oneSite(row, sex) : QString();
}

}  // namespace

QByteArray ResultsHeaderLine(bool withMethod) {
  QStringList headers = {QStringLiteral("line"), QStringLiteral("name"), QStringLiteral("rank"), QStringLiteral("sex"),
                         QStringLiteral("status")};
  for (const ResultColumn& column : ResultColumns()) headers << QLatin1String(column.header);
  if (withMethod) headers << QStringLiteral("method");
  return CsvLine(headers);
}

QByteArray ResultsLine(int rosterLine, const SoldierRow& row, bool withMethod) {
  QStringList fields = {QString::number(rosterLine), TextCell(row.name), TextCell(row.rank), TextCell(row.sex),
                        row.refusal ? QStringLiteral("refused: ") + row.refusal->message : QStringLiteral("ok")};
  const Sex sex = row.sex == SexItem(Sex::Female) ? Sex::Female : Sex::Male;
  for (const ResultColumn& column : ResultColumns()) fields << ColumnText(column, row, sex);
  if (withMethod) fields << TextCell(row.method);
  return CsvLine(fields);
}
