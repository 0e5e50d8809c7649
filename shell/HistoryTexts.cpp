#include "shell/HistoryTexts.h"

#include "standards/NumberFormat.h"

#include <cmath>

namespace {

QString Percent(const AssessmentRecord& record, double percent) {
  if (record.method == TapeMethod::OneSite) return QString::number(std::llround(percent));
  return QString::fromStdString(FormatFixed2(percent));
}

}  // namespace

bool ShowsBodyFat(const AssessmentRecord& record) {
  return record.supplemental || !(record.exemption && record.exemption->exempt);
}

QString HistoryBodyFat(const AssessmentRecord& record) {
  if (record.supplemental) return QString::fromStdString(FormatBodyFatTenths(record.supplemental->bodyFatTenths));
  return ShowsBodyFat(record) ? Percent(record, record.results.bodyFat) : QString();
}

QString HistoryMaxBodyFat(const AssessmentRecord& record) {
  return ShowsBodyFat(record) ? Percent(record, record.results.maxBodyFat) : QString();
}

QString HistoryVerdict(const AssessmentRecord& record) {
  if (record.exemption && record.exemption->exempt) return QStringLiteral("exempt");
  return record.results.within ? QStringLiteral("within") : QStringLiteral("not within");
}

QString HistoryMethod(const AssessmentRecord& record) {
  return QString::fromLatin1(TapeMethodName(record.method).data());
}
