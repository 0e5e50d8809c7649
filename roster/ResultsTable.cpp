#include "roster/ResultsTable.h"

#include "entry/DataPageRules.h"
#include "roster/CsvLine.h"
#include "worksheets/WorksheetTexts.h"

#include <QStringList>

#include <functional>

namespace {

using ColumnValue = std::function<QString(const Assessment&, Sex)>;

// A result column: its header and its value for an accepted soldier of either sex, by
// either tape method. Values that only one sex or one method has are empty for the other.
struct ResultColumn {
  const char* header;
  ColumnValue multiSite;
  ColumnValue oneSite = nullptr;  // none: the one-site method has no such value
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
QString VerdictText(const Assessment& assessment, Sex) {
  return assessment.within ? QStringLiteral("within") : QStringLiteral("not within");
}

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

// A refused row, which has no assessment, has no results.
QString ColumnText(const ResultColumn& column, const SoldierRow& row, Sex sex) {
  if (!row.assessment) return QString();
  const Assessment& assessment = *row.assessment;
  if (assessment.method == TapeMethod::MultiSite) return column.multiSite(assessment, sex);
  return column.oneSite ? column.oneSite(assessment, sex) : QString();
}

// A text from the roster as a results cell. A spreadsheet runs a cell that starts with =,
// +, - or @ as a formula, and one that starts with a tab or a carriage return may be read
// as one; such a text gets a leading ' (OWASP's advice on CSV injection), which shows it
// as written. Blanks before it count for nothing, as a reader may trim them. Numbers the
// program writes ("-3.50") are not passed through here and stay numbers.
QString TextCell(const QString& text) {
  for (const QChar c : text) {
    if (c == u'\t' || c == u'\r') return u'\'' + text;
    if (!c.isSpace()) return QStringView(u"=+-@").contains(c) ? u'\'' + text : text;
  }
  return text;
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
