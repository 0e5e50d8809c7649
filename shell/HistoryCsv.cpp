#include "shell/HistoryCsv.h"

#include "records/AbcpProgress.h"
#include "roster/CsvCells.h"
#include "standards/NumberFormat.h"

#include <cmath>

namespace {

QString Percent(const AssessmentRecord& record, double percent) {
  if (record.method == TapeMethod::OneSite) return QString::number(std::llround(percent));
  return QString::fromStdString(FormatFixed2(percent));
}

QString BodyFat(const AssessmentRecord& record) {
  if (record.supplemental) return QString::fromStdString(FormatBodyFatTenths(record.supplemental->bodyFatTenths));
  return Percent(record, record.results.bodyFat);
}

QString Verdict(const AssessmentRecord& record) {
  if (record.exemption && record.exemption->exempt) return QStringLiteral("exempt");
  return record.results.within ? QStringLiteral("within") : QStringLiteral("not within");
}

}  // namespace

QByteArray HistoryCsv(std::span<const AssessmentRecord> history) {
  QByteArray csv = CsvLine({QStringLiteral("date"), QStringLiteral("name"), QStringLiteral("rank"),
                            QStringLiteral("method"), QStringLiteral("weight"), QStringLiteral("body_fat"),
                            QStringLiteral("max_body_fat"), QStringLiteral("verdict"), QStringLiteral("abcp")});
  const std::vector<AbcpProgress> progress = AbcpProgressOf(history);
  for (std::size_t i = 0; i < history.size(); ++i) {
    const AssessmentRecord& record = history[i];
    csv += CsvLine({record.date.toString(Qt::ISODate), TextCell(record.name), TextCell(record.rank),
                    QString::fromLatin1(TapeMethodName(record.method).data()), QString::number(record.weight),
                    BodyFat(record), Percent(record, record.results.maxBodyFat), Verdict(record),
                    AbcpProgressName(progress[i])});
  }
  return csv;
}
