#include "roster/ResultsTable.h"

#include "shell/datapage/DataPageRules.h"

#include <QStringList>

#include <csv.h>

#include <functional>

namespace {

// A result column: its header and its value for an accepted soldier of either sex. Values
// that only one sex has are empty for the other.
struct ResultColumn {
  const char* header;
  std::function<QString(const SoldierRow&, Sex)> value;
};

QString Number(double value) { return TwoDecimals(value); }

std::function<QString(const SoldierRow&, Sex)> OfSex(Sex sex, double TSoldierData::*field) {
  return [sex, field](const SoldierRow& row, Sex rowSex) { return rowSex == sex ? Number(row.data.*field) : QString(); };
}

std::function<QString(const SoldierRow&, Sex)> OfBoth(double TSoldierData::*field) {
  return [field](const SoldierRow& row, Sex) { return Number(row.data.*field); };
}

const std::vector<ResultColumn>& ResultColumns() {
  static const std::vector<ResultColumn> columns = {
      {"max_weight", [](const SoldierRow& row, Sex) { return QString::number(row.data.MaxWeight); }},
      {"over_screening",
       [](const SoldierRow& row, Sex) { return row.overScreening ? QStringLiteral("yes") : QStringLiteral("no"); }},
      {"avg_neck", OfBoth(&TSoldierData::AvgNeck)},
      {"avg_abdomen", OfSex(Sex::Male, &TSoldierData::AvgWaist)},
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
      {"body_fat", OfBoth(&TSoldierData::BodyFat)},
      {"max_body_fat", OfBoth(&TSoldierData::MaxBodyFat)},
      {"verdict",
       [](const SoldierRow& row, Sex) { return row.within ? QStringLiteral("within") : QStringLiteral("not within"); }},
  };
  return columns;
}

// A field as CSV: as it is, or quoted by libcsv (quotes doubled) when it must be.
QByteArray CsvField(const QString& value) {
  const QByteArray bytes = value.toUtf8();
  if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\r') && !bytes.contains('\n')) return bytes;
  QByteArray quoted(static_cast<qsizetype>(csv_write(nullptr, 0, bytes.constData(), static_cast<size_t>(bytes.size()))),
                    '\0');
  csv_write(quoted.data(), static_cast<size_t>(quoted.size()), bytes.constData(), static_cast<size_t>(bytes.size()));
  return quoted;
}

QByteArray CsvLine(const QStringList& fields) {
  QByteArray line;
  for (qsizetype i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += CsvField(fields[i]);
  }
  return line + "\r\n";
}

}  // namespace

QByteArray ResultsHeaderLine() {
  QStringList headers = {QStringLiteral("line"), QStringLiteral("name"), QStringLiteral("rank"), QStringLiteral("sex"),
                         QStringLiteral("status")};
  for (const ResultColumn& column : ResultColumns()) headers << QLatin1String(column.header);
  return CsvLine(headers);
}

QByteArray ResultsLine(int rosterLine, const SoldierRow& row) {
  QStringList fields = {QString::number(rosterLine), row.name, row.rank, row.sex,
                        row.refusal ? QStringLiteral("refused: ") + row.refusal->message : QStringLiteral("ok")};
  const Sex sex = row.sex == SexItem(Sex::Female) ? Sex::Female : Sex::Male;
  for (const ResultColumn& column : ResultColumns()) fields << (row.refusal ? QString() : column.value(row, sex));
  return CsvLine(fields);
}
