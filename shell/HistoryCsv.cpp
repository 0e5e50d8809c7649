#include "shell/HistoryCsv.h"

#include "records/AbcpProgress.h"
#include "roster/CsvCells.h"
#include "shell/HistoryTexts.h"

QByteArray HistoryCsv(std::span<const AssessmentRecord> history) {
  QByteArray csv = CsvLine({QStringLiteral("date"), QStringLiteral("name"), QStringLiteral("rank"),
                            QStringLiteral("method"), QStringLiteral("weight"), QStringLiteral("body_fat"),
                            QStringLiteral("max_body_fat"), QStringLiteral("verdict"), QStringLiteral("abcp")});
  const std::vector<AbcpProgress> progress = AbcpProgressOf(history);
  for (std::size_t i = 0; i < history.size(); ++i) {
    const AssessmentRecord& record = history[i];
    csv += CsvLine({record.date.toString(Qt::ISODate), TextCell(record.name), TextCell(record.rank),
                    HistoryMethod(record), QString::number(record.weight), HistoryBodyFat(record),
                    HistoryMaxBodyFat(record), HistoryVerdict(record), AbcpProgressName(progress[i])});
  }
  return csv;
}
